// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed catalogues a new game starts from. Names keep their blanks: they
// pad the list columns and are compared exactly. Prices are in dollars.
#pragma once

#include "core/game_state.h"

#include <array>
#include <optional>
#include <string_view>

namespace swoonery {

struct CatalogueRow {
    std::string_view name;
    int price;
    std::optional<Rating> raises = std::nullopt; // things he buys for himself only
};

inline constexpr std::array<std::string_view, 10> kGirlNames = {
    "Samantha", "Lisa", "Jane", "Kate", "Pam", "Julia", "Tina", "Rachel", "Anna", "Naomi"};

inline constexpr std::array<std::string_view, 20> kTopics = {
    " Horror movies", " Poetry",     " Sports",    " Cars",       " Camping",
    " Motorbikes",    " Jazz Music", " Snooker",   " Traveling",  " Fortune telling",
    " Art",           " Politics",   " Clubbing",  " Singing   ", " Fishing  ",
    " Cooking  ",     " Acting",     " Gardening", " Tattooing",  " Writing"};

inline constexpr std::array<CatalogueRow, 11> kPlaces = {{
    {"High class restaurant", 100},
    {"Watch a Movie        ", 25},
    {"Go on a picnic in the park", 15},
    {"Go to the Beach        ", 10},
    {"Go out for Pizza       ", 8},
    {"Go out Bowling         ", 30},
    {"Rock Concert           ", 140},
    {"Watch a Drama          ", 16},
    {"Fun-Fair Carnival      ", 20},
    {"Go out to a Nightclub ", 75},
    {"Go to the local Pub   ", 40},
}};

inline constexpr std::array<CatalogueRow, 11> kGifts = {{
    {"Flowers        ", 40},
    {"Chocolates     ", 40},
    {"Nice Book      ", 50},
    {"Music CD's     ", 80},
    {"Perfume        ", 100},
    {"Roses          ", 150},
    {"Jewelry        ", 200},
    {"Mobile Phone   ", 300},
    {"Great Dress    ", 700},
    {"Diamond Ring  ", 1200},
    {"Tickets to Bali", 2200},
}};

inline constexpr std::array<CatalogueRow, 6> kJobs = {{
    {"Pizza Delivery", 25},
    {"Parking Attendant", 50},
    {"Sales Assistant", 75},
    {"Tutor        ", 100},
    {"Bank Teller ", 200},
    {"Stock Broker ", 300},
}};

inline constexpr std::array<CatalogueRow, 11> kSelfItems = {{
    {" Latest Sunglasses ", 150, Rating::Looks},
    {" New Jacket ", 350, Rating::Looks},
    {" Rabbit's Paw   ", 380, Rating::Luck},
    {" Perfume        ", 150, Rating::Looks},
    {" Crystals       ", 250, Rating::Luck},
    {" Encyclopedia   ", 250, Rating::Smart},
    {" DIY-SELF books ", 80, Rating::Smart},
    {" New Clothes", 100, Rating::Looks},
    {" Second-hand Book", 50, Rating::Smart},
    {" Lucky Stone    ", 50, Rating::Luck},
    {" New Shoes", 70, Rating::Looks},
}};

} // namespace swoonery
