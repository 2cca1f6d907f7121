// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounds.h"
#include "assets.h"

namespace assetgen {

std::vector<SoundAsset> sound_assets() {
    using namespace sounds;
    return {
        {"dinner.wav", dinner},
        {"beach.wav", beach},
        {"bowling.wav", bowling},
        {"carnival.wav", carnival},
        {"play.wav", play},
        {"club.wav", club},
        {"pub.wav", pub},
        {"rock.wav", rock},
        {"birds.wav", birds},
        {"movie1.wav", movie_suspense},
        {"movie2.wav", movie_romance},
        {"movie3.wav", movie_action},
        {"movie4.wav", movie_horror},
        {"movie5.wav", movie_comedy},
        {"movie6.wav", movie_sci_fi},
        {"movie7.wav", movie_fanfare},
        {"laff.wav", laugh},
        {"money.wav", money},
        {"phoned.wav", hang_up},
        {"cashrg.wav", cash_register},
        {"humpf.wav", humpf},
        {"phonet.wav", phone_ring},
        {"doorbell.wav", doorbell},
        {"car.wav", car},
        {"sigh.wav", [] { return sigh(false); }},
        {"police.wav", siren},
        {"found.wav", found},
        {"cat.wav", meow},
        {"kiss.wav", kiss},
        {"sigh_m.wav", [] { return sigh(true); }},
    };
}

} // namespace assetgen
