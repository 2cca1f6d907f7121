#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Every C++ file git tracks is formatted as .clang-format says.
#   tools/check-format.sh         exits 1 and names each file that is not
#   tools/check-format.sh --fix   formats them in place
set -eu
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    echo "$files" | xargs "$format" -i
    exit 0
fi
bad=0
for f in $files; do
    if ! "$format" --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "check-format: $f is not formatted (tools/check-format.sh --fix)" >&2
        bad=$((bad + 1))
    fi
done
if [ "$bad" -ne 0 ]; then
    echo "check-format: $bad file(s) not formatted" >&2
    exit 1
fi
echo "check-format: every C++ file is formatted"
