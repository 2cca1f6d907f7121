#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The staged game, started through its launcher as the menu starts it, shows
# its set-up form with pictures read from its own folder, and keeps the
# player's file in the data folder.
. "$(dirname "$0")/common.sh"
need strace

export HOME=$scratch/home XDG_DATA_HOME=$scratch/data
mkdir -p "$HOME"
status=0
# LeakSanitizer cannot run under strace; a sanitizer build skips it here.
(cd "$HOME" && ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    SWOONERY_QUIT_AFTER_FIRST_PAINT=1 timeout 60 \
    strace -f -qq -e trace=openat -o "$scratch/trace" "$launcher" --data-folder) || status=$?
[ "$status" -eq 0 ] || fail "the installed game exited with $status"

# The set-up form's banner came from the installed folder.
opened_in_trace "$gamedir/banner.bmp" ||
    fail "the banner was not read from $gamedir"
# Nothing was looked for in the build folder (the staging folder aside).
grep -F "\"$build/" "$scratch/trace" | grep -v -F "\"$stage/" &&
    fail "the installed game opened files in the build folder"

# The set-up form reads (and so creates) the last name's file where the menu
# launch keeps the files, and nothing lands loose in the home folder.
[ -f "$XDG_DATA_HOME/swoonery/last" ] || fail "no 'last' in the data folder"
[ -e "$HOME/last" ] && fail "'last' landed in the home folder"

finish
