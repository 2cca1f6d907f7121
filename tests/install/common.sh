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
