#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Every way out of the staged game ends it with exit status 0 once its sound
# has loaded: the set-up form's Exit, closing the set-up form, closing the
# main window and File > Exit, and File > Exit again while a sound plays, with
# the sound server stopped, and with no server at all. Played on a real X
# display under a window manager, which closes windows as the desktop does.
. "$(dirname "$0")/common.sh"
need Xvfb openbox xdotool pulseaudio pactl timeout

export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP

wm=
server=
cleanup() {
    [ -n "$server" ] && kill -CONT "$server" 2>/dev/null && kill "$server" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
start_xvfb
openbox --sm-disable >/dev/null 2>&1 &
wm=$!

# A sound server of the test's own, with a sink that plays into nothing; no
# client may start one of its own.
printf 'autospawn = no\n' >"$scratch/client.conf"
export PULSE_CLIENTCONFIG=$scratch/client.conf
socket=$scratch/pulse.socket
(HOME=$scratch XDG_RUNTIME_DIR=$scratch PULSE_RUNTIME_PATH=$scratch PULSE_STATE_PATH=$scratch \
    exec pulseaudio -n --daemonize=no --system=no --exit-idle-time=-1 --use-pid-file=no \
    --disable-shm=yes -L "module-null-sink sink_name=test" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$socket") >"$scratch/pulse.log" 2>&1 &
server=$!
for _ in $(seq 100); do
    [ -S "$socket" ] && PULSE_SERVER=unix:$socket pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
PULSE_SERVER=unix:$socket pactl info >/dev/null 2>&1 || skip "pulseaudio did not start"

# wait_for WINDOW-TITLE [EXCEPT-ID]: the id of a visible window of that title.
wait_for() {
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -v "^${2:-none}\$" | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$game" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# play CASE PULSE-SERVER STEPS...: starts the game in a fresh folder, waits
# until its sound module is loaded, runs the steps and checks how it ended.
play() {
    case_name=$1
    export PULSE_SERVER=$2
    shift 2
    folder=$scratch/$case_name
    mkdir -p "$folder"
    (cd "$folder" && exec "$launcher") >"$folder/out" 2>&1 &
    game=$!
    setup=$(wait_for Swoonery) || { fail "$case_name: the set-up form did not appear"; return; }
    loaded=no
    for _ in $(seq 300); do
        grep -q 'swoonery-sound' "/proc/$game/maps" 2>/dev/null && { loaded=yes; break; }
        sleep 0.1
    done
    if [ "$loaded" = no ]; then
        fail "$case_name: the sound module was never loaded"
    fi
    for step in "$@"; do
        "$step"
    done
    status=
    for _ in $(seq 150); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game" 2>/dev/null; then
        fail "$case_name: still running 15 s after the way out"
        kill -KILL "$game"
        wait "$game" 2>/dev/null
        return
    fi
    status=0
    wait "$game" || status=$?
    if [ "$status" -ne 0 ] || grep -q 'Sanitizer' "$folder/out"; then
        fail "$case_name: exit status $status: $(head -c 3000 "$folder/out")"
    fi
}

setup_exit() {
    xdotool windowactivate --sync "$setup"
    xdotool mousemove --window "$setup" 245 354 click 1 # the Exit button
}
close_setup() {
    xdotool windowactivate --sync "$setup"
    xdotool key alt+F4
}
to_main_window() {
    xdotool windowactivate --sync "$setup"
    xdotool type --delay 20 Tess
    xdotool key Return
    main=$(wait_for Swoonery "$setup") || fail "$case_name: the main window did not appear"
    xdotool windowactivate --sync "$main"
}
close_main() { xdotool key alt+F4; }
file_exit() { xdotool key alt+f e; }
call_her() { xdotool key space; } # Call Her has the focus in a new game: the phone rings
stop_server() { kill -STOP "$server"; }
resume_server() { kill -CONT "$server"; }

play setup_exit "unix:$socket" setup_exit
play close_setup "unix:$socket" close_setup
play close_main "unix:$socket" to_main_window close_main
play file_exit "unix:$socket" to_main_window file_exit
play during_sound "unix:$socket" to_main_window call_her file_exit
play server_stopped "unix:$socket" to_main_window stop_server call_her file_exit
resume_server
play no_server "unix:$scratch/nothing-here" to_main_window call_her file_exit

finish
