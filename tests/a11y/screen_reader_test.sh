#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The windowed game read by a screen reader's means: an X server, a session
# bus and an accessibility bus of the test's own, then screen_reader_check.py.
#   screen_reader_test.sh GAME [--wm]
# With --wm, openbox manages the windows. Exits 77 (skip) when a piece of the
# desktop's accessibility stack is not installed.
set -eu
game=$1
wm=${2:-}
here=$(dirname "$0")
skip() {
    echo "SKIP: $*"
    exit 77
}
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for tool in Xvfb xdotool dbus-daemon; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi-bus-launcher (at-spi2-core) is not installed"
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
    2>/dev/null || skip "python3-gi with gir1.2-atspi-2.0 is not installed"
if [ "$wm" = --wm ]; then
    command -v openbox >/dev/null 2>&1 || skip "openbox is not installed"
fi

scratch=$(mktemp -d)
pids=
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# A key the check holds down while it waits for the game must not repeat:
# the repeat delay is past the longest wait (see screen_reader_check.py).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ardelay 65535 \
    3>"$scratch/display" 2>/dev/null &
pids="$pids $!"
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || skip "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"

# A private session bus, so that the test neither reads nor disturbs the
# desktop it may be run from.
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
    3>"$scratch/bus" 4>"$scratch/bus.pid"
pids="$pids $(cat "$scratch/bus.pid")"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids="$pids $!"
if [ "$wm" = --wm ]; then
    openbox >/dev/null 2>&1 &
    pids="$pids $!"
    # A window mapped before openbox has taken the display is given no focus,
    # and a busy machine can start openbox after the game: wait for it to
    # claim the display (it answers for the current desktop once it has).
    for _ in $(seq 600); do
        xdotool get_desktop >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool get_desktop >/dev/null 2>&1 || {
        echo "FAIL: openbox did not take the display"
        exit 1
    }
fi
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$scratch"
export HOME="$scratch"
mkdir "$scratch/data"
"$python" "$here/screen_reader_check.py" "$game" "$scratch/data" || {
    echo "--- the game's output:"
    cat "$scratch/data/game.log"
    exit 1
}
