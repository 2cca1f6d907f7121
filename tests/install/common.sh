# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the install tests: arguments, failing and skipping.
#   <test>.sh STAGE PREFIX BUILD
# STAGE is the DESTDIR the game was installed into, PREFIX its install prefix.
set -eu
stage=$1
prefix=$2
build=$3
root=$stage$prefix
gamedir=$root/lib/games/swoonery
launcher=$root/games/swoonery

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
skip() {
    echo "SKIP: $*"
    exit 77
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
    done
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# start_xvfb: an X server of the test's own, with DISPLAY pointing at it and
# its process id in $xvfb (for the test's clean-up); skips when it does not
# come up.
xvfb=
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$scratch/display" ] && break
        sleep 0.1
    done
    [ -s "$scratch/display" ] || skip "Xvfb did not start"
    export DISPLAY=":$(cat "$scratch/display")"
}

# opened_in_trace FILE: the game opened FILE for reading, as recorded by
# `strace -f -o "$scratch/trace"`. With another thread busy, strace splits a
# call into an "<unfinished ...>" line and a "<... openat resumed>" line of
# the same thread.
opened_in_trace() {
    awk -v path="\"$1\", O_RDONLY" '
        index($0, path) && / = [0-9]/ { found = 1 }
        index($0, path) && /<unfinished \.\.\.>/ { waiting[$1] = 1 }
        /<\.\.\. openat resumed>.* = [0-9]/ && ($1 in waiting) { found = 1 }
        END { exit !found }' "$scratch/trace"
}
