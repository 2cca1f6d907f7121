// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sound the game plays, and the file in the sounds folder that holds it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace swoonery {

enum class Sound {
    Beach,
    Birds,
    Bowling,
    Car,
    Carnival,
    CashRegister,
    Cat,
    Club,
    Dinner,
    Doorbell,
    FoundMoney,
    Humpf,
    Kiss,
    Laugh,
    Money,
    Movie1,
    Movie2,
    Movie3,
    Movie4,
    Movie5,
    Movie6,
    Movie7,
    PhoneCall,
    PhoneDown,
    Play,
    Police,
    Pub,
    Rock,
    Sigh,
    SighMale,
};

inline constexpr std::array<std::string_view, 30> kSoundFiles{
    "beach.wav",  "birds.wav",  "bowling.wav", "car.wav",    "carnival.wav", "cashrg.wav",
    "cat.wav",    "club.wav",   "dinner.wav",  "doorbell.wav", "found.wav",  "humpf.wav",
    "kiss.wav",   "laff.wav",   "money.wav",   "movie1.wav", "movie2.wav",   "movie3.wav",
    "movie4.wav", "movie5.wav", "movie6.wav",  "movie7.wav", "phonet.wav",   "phoned.wav",
    "play.wav",   "police.wav", "pub.wav",     "rock.wav",   "sigh.wav",     "sigh_m.wav",
};
static_assert(kSoundFiles.size() == static_cast<std::size_t>(Sound::SighMale) + 1,
              "one file for every sound");

constexpr std::string_view sound_file(Sound sound) {
    return kSoundFiles[static_cast<std::size_t>(sound)];
}

// The n-th of the seven movie sounds, n from 1.
constexpr Sound movie_sound(long long n) {
    return static_cast<Sound>(static_cast<long long>(Sound::Movie1) + n - 1);
}

} // namespace swoonery
