#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The staged game started by its menu entry's command on a real X display: the
# set-up form takes a name, a call plays its sound from the game's sounds
# folder, Online Help hands the installed help page to the browser, the
# top-20 table is kept in the data folder, and a missing help page is
# reported as a page not opened.
. "$(dirname "$0")/common.sh"
need Xvfb xdotool strace timeout

# A copy of the staged tree of its own, since one case removes the help page.
cp -a "$stage" "$scratch/stage"
stage=$scratch/stage
root=$stage$prefix
gamedir=$root/lib/games/swoonery
launcher=$root/games/swoonery

game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
start_xvfb
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP

# A browser of our own, the only one the desktop knows, that notes addresses.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
export XDG_DATA_DIRS=$scratch/none XDG_CONFIG_DIRS=$scratch/none
mkdir -p "$HOME" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
opened=$scratch/opened
cat >"$scratch/browser" <<BROWSER
#!/bin/sh
printf '%s\n' "\$1" >>"$opened"
BROWSER
chmod +x "$scratch/browser"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=%s %%u\n' "$scratch/browser" \
    >"$XDG_DATA_HOME/applications/browser.desktop"
printf '[Default Applications]\nx-scheme-handler/https=browser.desktop\nx-scheme-handler/http=browser.desktop\ntext/html=browser.desktop\n' \
    >"$XDG_CONFIG_HOME/mimeapps.list"

# The menu entry's command, with the staged launcher for the bare name.
exec_line=$(sed -n 's/^Exec=//p' "$root/share/applications/org.example.swoonery.desktop")
set -- $exec_line
shift
# LeakSanitizer cannot run under strace; a sanitizer build skips it here.
(cd "$HOME" && ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    exec strace -f -qq -e trace=openat -o "$scratch/trace" "$launcher" "$@") &
game=$!

# wait_for_window TITLE: the id of the visible window with that title.
wait_for_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
setup=$(wait_for_window Swoonery)
[ -n "$setup" ] || { fail "the set-up form did not appear"; finish; }
xdotool windowfocus --sync "$setup"
xdotool type --delay 20 Tess
xdotool key Return
main=
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name '^Swoonery$' 2>/dev/null | grep -v "^$setup\$" | head -n 1)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { fail "the main window did not appear"; finish; }
xdotool windowfocus --sync "$main"

# Call Her has the focus in a new game; the call rings.
xdotool key space
# A generous limit: under the sanitizers and strace, on a busy machine, the
# sound module can take many seconds to load; a game that never reads the
# file fails all the same.
wait_for_file_open() {
    for _ in $(seq 600); do
        opened_in_trace "$1" && return 0
        sleep 0.1
    done
    return 1
}
wait_for_file_open "$gamedir/sounds/phonet.wav" || fail "the call's sound was not read from $gamedir/sounds"

# online_help CHECK: Help, Online Help, until CHECK holds (a busy machine can
# be slow to open the menu, so the keys are sent again after a while).
online_help() {
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$main"
        xdotool key alt+h
        sleep 0.5
        xdotool key Return
        for _ in $(seq 50); do
            "$@" && return 0
            sleep 0.1
        done
    done
    return 1
}
browser_started() { [ -s "$opened" ]; }
url_failed_shown() { xdotool search --onlyvisible --name '^URL Failed$' >/dev/null 2>&1; }

# Help, Online Help: the browser gets the installed page.
online_help browser_started
page=$(head -n 1 "$opened" 2>/dev/null)
# The desktop's lookup hands a browser that takes addresses a local page as
# its path.
case $page in
"file://$gamedir/help/index.html" | "$gamedir/help/index.html") ;;
*) fail "Online Help opened '$page'" ;;
esac

# The top-20 table is read and written where the menu launch keeps files.
xdotool key alt+t
table=$(wait_for_window 'SWOONERY - Top 20 PLAYERS')
[ -n "$table" ] || fail "the top-20 table did not open"
for _ in $(seq 50); do
    [ -f "$XDG_DATA_HOME/swoonery/Scores" ] && break
    sleep 0.1
done
[ -f "$XDG_DATA_HOME/swoonery/Scores" ] || fail "no Scores in the data folder"
[ -f "$XDG_DATA_HOME/swoonery/last" ] || fail "no 'last' in the data folder"
[ -e "$HOME/Scores" ] && fail "Scores landed in the home folder"
xdotool windowfocus --sync "$table"
xdotool key Return
sleep 0.3

# Without its help page, Online Help says the page was not opened, and no
# browser starts.
rm "$gamedir/help/index.html"
online_help url_failed_shown || fail "a missing help page was not reported"
[ "$(wc -l <"$opened")" -eq 1 ] || fail "a browser was started for the missing help page"

finish
