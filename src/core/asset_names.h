// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every file the generator makes for the game, each named once. The game takes
// its names from here (the sounds through sounds.h, the pictures below), the
// generator includes this file and fails to compile without a maker for each
// entry, and the build reads it line by line (tools/assetgen/CMakeLists.txt)
// for the list of files the generator writes. So keep one entry to a line,
// written as KIND(name, "file"), with the kinds below.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// clang-format off

// The sounds, under sounds/, in the order of `Sound` (sounds.h), which is
// named after them: SOUND(enumerator, file).
#define SWOONERY_SOUNDS(SOUND)           \
    SOUND(Beach, "beach.wav")            \
    SOUND(Birds, "birds.wav")            \
    SOUND(Bowling, "bowling.wav")        \
    SOUND(Car, "car.wav")                \
    SOUND(Carnival, "carnival.wav")      \
    SOUND(CashRegister, "cashrg.wav")    \
    SOUND(Cat, "cat.wav")                \
    SOUND(Club, "club.wav")              \
    SOUND(Dinner, "dinner.wav")          \
    SOUND(Doorbell, "doorbell.wav")      \
    SOUND(FoundMoney, "found.wav")       \
    SOUND(Humpf, "humpf.wav")            \
    SOUND(Kiss, "kiss.wav")              \
    SOUND(Laugh, "laff.wav")             \
    SOUND(Money, "money.wav")            \
    SOUND(Movie1, "movie1.wav")          \
    SOUND(Movie2, "movie2.wav")          \
    SOUND(Movie3, "movie3.wav")          \
    SOUND(Movie4, "movie4.wav")          \
    SOUND(Movie5, "movie5.wav")          \
    SOUND(Movie6, "movie6.wav")          \
    SOUND(Movie7, "movie7.wav")          \
    SOUND(PhoneCall, "phonet.wav")       \
    SOUND(PhoneDown, "phoned.wav")       \
    SOUND(Play, "play.wav")              \
    SOUND(Police, "police.wav")          \
    SOUND(Pub, "pub.wav")                \
    SOUND(Rock, "rock.wav")              \
    SOUND(Sigh, "sigh.wav")              \
    SOUND(SighMale, "sigh_m.wav")

// The pictures the windows load by name: PICTURE(constant, file) gives
// pictures::constant below.
#define SWOONERY_PICTURES(PICTURE)       \
    PICTURE(kBanner, "banner.bmp")       \
    PICTURE(kStartFace, "face.bmp")      \
    PICTURE(kHeart, "heart.bmp")         \
    PICTURE(kCat, "cat.bmp")             \
    PICTURE(kBill, "bill.bmp")           \
    PICTURE(kPolice, "police.bmp")       \
    PICTURE(kLogo, "logo.bmp")

// The five category buttons' pictures, which also go out as PNGs with alpha
// ("phone.png"): BUTTON(constant, file).
#define SWOONERY_BUTTON_PICTURES(BUTTON) \
    BUTTON(kGift, "gift.bmp")            \
    BUTTON(kPhone, "phone.bmp")          \
    BUTTON(kDate, "date.bmp")            \
    BUTTON(kWork, "work.bmp")            \
    BUTTON(kShop, "shop.bmp")

// The girls' portraits: PORTRAIT(n, file) is girl n's face; the face drawn
// is one of these, and the dump's `face` is its n (checked below to be the
// number in the name).
#define SWOONERY_PORTRAITS(PORTRAIT)     \
    PORTRAIT(1, "girl1.bmp")             \
    PORTRAIT(2, "girl2.bmp")             \
    PORTRAIT(3, "girl3.bmp")             \
    PORTRAIT(4, "girl4.bmp")             \
    PORTRAIT(5, "girl5.bmp")             \
    PORTRAIT(6, "girl6.bmp")             \
    PORTRAIT(7, "girl7.bmp")             \
    PORTRAIT(8, "girl8.bmp")             \
    PORTRAIT(9, "girl9.bmp")             \
    PORTRAIT(10, "girl10.bmp")           \
    PORTRAIT(11, "girl11.bmp")

// The application's icon, drawn afresh at each size: ICON(pixels, file). The
// theme's sizes go to the desktop; the last one stays beside the program.
#define SWOONERY_ICONS(ICON)                              \
    ICON(16, "icons/hicolor/16x16/apps/swoonery.png")     \
    ICON(32, "icons/hicolor/32x32/apps/swoonery.png")     \
    ICON(48, "icons/hicolor/48x48/apps/swoonery.png")     \
    ICON(64, "icons/hicolor/64x64/apps/swoonery.png")     \
    ICON(128, "icons/hicolor/128x128/apps/swoonery.png")  \
    ICON(256, "icons/hicolor/256x256/apps/swoonery.png")  \
    ICON(256, "swoonery.png")

// clang-format on

namespace swoonery {

// Picture files the windows load, beside the program.
namespace pictures {

#define SWOONERY_PICTURE_NAME(constant, file) inline constexpr std::string_view constant = file;
SWOONERY_PICTURES(SWOONERY_PICTURE_NAME)
SWOONERY_BUTTON_PICTURES(SWOONERY_PICTURE_NAME)
#undef SWOONERY_PICTURE_NAME

#define SWOONERY_PICTURE_FILE(name, file) std::string_view(file),
// The pictures the windows load, buttons included.
inline constexpr auto kWindowPictures = std::to_array(
    {SWOONERY_PICTURES(SWOONERY_PICTURE_FILE) SWOONERY_BUTTON_PICTURES(SWOONERY_PICTURE_FILE)});
inline constexpr auto kButtons = std::to_array({SWOONERY_BUTTON_PICTURES(SWOONERY_PICTURE_FILE)});
// Girl n's portrait is kPortraits[n - 1].
inline constexpr auto kPortraits = std::to_array({SWOONERY_PORTRAITS(SWOONERY_PICTURE_FILE)});
#undef SWOONERY_PICTURE_FILE

struct Icon {
    int size; // pixels, square
    std::string_view file;
};
#define SWOONERY_ICON_ENTRY(size, file) Icon{size, file},
inline constexpr auto kIcons = std::to_array({SWOONERY_ICONS(SWOONERY_ICON_ENTRY)});
#undef SWOONERY_ICON_ENTRY

// Whether `file` is girl n's name as the game makes it up: "girl" n ".bmp".
constexpr bool is_portrait_name(int n, std::string_view file) {
    constexpr std::string_view head = "girl", tail = ".bmp";
    if (n < 1 || file.size() <= head.size() + tail.size() || !file.starts_with(head) ||
        !file.ends_with(tail)) {
        return false;
    }
    const std::string_view digits =
        file.substr(head.size(), file.size() - head.size() - tail.size());
    if (digits.front() == '0') {
        return false;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value == n;
}

constexpr bool portraits_are_numbered() {
    for (std::size_t i = 0; i < kPortraits.size(); ++i) {
        if (!is_portrait_name(static_cast<int>(i) + 1, kPortraits[i])) {
            return false;
        }
    }
    return true;
}
#define SWOONERY_PORTRAIT_CHECK(n, file) static_assert(is_portrait_name(n, file));
SWOONERY_PORTRAITS(SWOONERY_PORTRAIT_CHECK)
#undef SWOONERY_PORTRAIT_CHECK
static_assert(portraits_are_numbered(), "girl n is the n-th portrait, from 1");

} // namespace pictures

} // namespace swoonery
