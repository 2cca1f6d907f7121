#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree holds the game and everything it reads, in the game's own
# folder, and nothing of the developers' tools or of the build folder.
. "$(dirname "$0")/common.sh"

[ -x "$launcher" ] || fail "no launcher at $launcher"
[ -x "$gamedir/swoonery" ] || fail "no program in $gamedir"
[ -f "$gamedir/swoonery-sound.so" ] || fail "no sound module beside the program"

# Every picture and sound the build made is installed beside the program.
for built in "$build"/bin/*.bmp "$build"/bin/*.png "$build"/bin/sounds/*.wav; do
    relative=${built#"$build"/bin/}
    [ -f "$gamedir/$relative" ] || fail "$relative was built but not installed"
done
for n in 1 2 3 4 5 6 7 8 9 10 11; do
    [ -f "$gamedir/girl$n.bmp" ] || fail "girl$n.bmp missing"
done
[ "$(ls "$gamedir"/sounds/*.wav | wc -l)" -ge 30 ] || fail "fewer than 30 sounds installed"

# The game started from the build folder finds its help page there too.
[ -f "$build/bin/help/index.html" ] || fail "no help page beside the program in the build folder"

# The help page and everything it links to or shows.
page=$gamedir/help/index.html
if [ -f "$page" ]; then
    for ref in $(grep -o -E '(src|href)="[^"#:]+"' "$page" | sed -E 's/^[a-z]+="//; s/"$//'); do
        [ -f "$gamedir/help/$ref" ] || fail "help page refers to missing $ref"
    done
else
    fail "no help page at $page"
fi

# Desktop integration.
[ -f "$root/share/applications/org.example.swoonery.desktop" ] || fail "no desktop entry"
[ -f "$root/share/metainfo/org.example.swoonery.metainfo.xml" ] || fail "no metainfo"
[ -f "$root/share/man/man6/swoonery.6" ] || fail "no man page"
for size in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${size}x$size/apps/swoonery.png
    if [ -f "$icon" ]; then
        # A PNG's width and height are the big-endian words at bytes 16 and 20.
        dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x$size" ] || fail "$icon is $dims, not ${size}x$size"
    else
        fail "no $size px icon"
    fi
done
[ -d "$gamedir/icons" ] && fail "icons installed into the game folder too"

# Developers' tools stay out, and nothing points back into the build.
for tool in swoonery-driver startup-bare swoonery_engine_tests swoonery-assetgen README.md; do
    find "$stage" -name "$tool" | grep -q . && fail "$tool was installed"
done
for elf in "$gamedir/swoonery" "$gamedir/swoonery-sound.so"; do
    if readelf -d "$elf" | grep -E 'RPATH|RUNPATH' | grep -q "$build"; then
        fail "$elf has a run path into the build folder"
    fi
done
grep -r -I -l -F "$build" "$stage" && fail "installed text files name the build folder"

finish
