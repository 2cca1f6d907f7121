// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets.h"
#include "sound_makers.h"

#include "core/sounds.h"

#include <cstddef>
#include <iterator>

namespace assetgen {

namespace {

using swoonery::Sound;

struct Maker {
    Sound sound;
    Buffer (*make)();
};

// What makes each of the game's sounds, in the order of its list.
constexpr Maker kMakers[] = {
    {Sound::Beach, sounds::beach},
    {Sound::Birds, sounds::birds},
    {Sound::Bowling, sounds::bowling},
    {Sound::Car, sounds::car},
    {Sound::Carnival, sounds::carnival},
    {Sound::CashRegister, sounds::cash_register},
    {Sound::Cat, sounds::meow},
    {Sound::Club, sounds::club},
    {Sound::Dinner, sounds::dinner},
    {Sound::Doorbell, sounds::doorbell},
    {Sound::FoundMoney, sounds::found},
    {Sound::Humpf, sounds::humpf},
    {Sound::Kiss, sounds::kiss},
    {Sound::Laugh, sounds::laugh},
    {Sound::Money, sounds::money},
    {Sound::Movie1, sounds::movie_suspense},
    {Sound::Movie2, sounds::movie_romance},
    {Sound::Movie3, sounds::movie_action},
    {Sound::Movie4, sounds::movie_horror},
    {Sound::Movie5, sounds::movie_comedy},
    {Sound::Movie6, sounds::movie_sci_fi},
    {Sound::Movie7, sounds::movie_fanfare},
    {Sound::PhoneCall, sounds::phone_ring},
    {Sound::PhoneDown, sounds::hang_up},
    {Sound::Play, sounds::play},
    {Sound::Police, sounds::siren},
    {Sound::Pub, sounds::pub},
    {Sound::Rock, sounds::rock},
    {Sound::Sigh, [] { return sounds::sigh(false); }},
    {Sound::SighMale, [] { return sounds::sigh(true); }},
};

constexpr bool one_maker_for_every_sound() {
    if (std::size(kMakers) != swoonery::kSoundFiles.size()) {
        return false;
    }
    for (std::size_t i = 0; i < std::size(kMakers); ++i) {
        if (kMakers[i].sound != static_cast<Sound>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(one_maker_for_every_sound(), "one maker for each sound of the list, in its order");

} // namespace

std::vector<SoundAsset> sound_assets() {
    std::vector<SoundAsset> all;
    for (const Maker& m : kMakers) {
        all.push_back({listed_name(swoonery::sound_file(m.sound)), m.make});
    }
    return all;
}

} // namespace assetgen
