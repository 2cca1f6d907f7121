#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The layers of src/ as the includes and the link lines have them: each
# library uses only itself and the layers below it, never one above it or
# beside it.
#   base < scores < core < actions < driver, platform < ui
# (driver and platform stand side by side: neither may use the other.)
#   tools/check-layers.sh [SRC]          exits 1 and names each offence
#   tools/check-layers.sh --graph [SRC]  prints which layer includes which, and how often
set -eu
graph=false
if [ "${1:-}" = "--graph" ]; then
    graph=true
    shift
fi
src=${1:-$(dirname "$0")/../src}

if $graph; then
    for dir in "$src"/*/; do
        folder=$(basename "$dir")
        cat "$dir"*.h "$dir"*.cpp 2>/dev/null |
            sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' |
            grep -vx "$folder" | sort | uniq -c | awk -v f="$folder" '{printf "%s -> %s (%d)\n", f, $2, $1}'
    done
    exit 0
fi

# allowed FOLDER: the folders FOLDER may use.
allowed() {
    case $1 in
    base) echo "base" ;;
    scores) echo "base scores" ;;
    core) echo "base scores core" ;;
    actions) echo "base scores core actions" ;;
    driver) echo "base scores core actions driver" ;;
    platform) echo "base scores core actions platform" ;;
    ui) echo "base scores core actions platform ui" ;;
    *) echo "" ;;
    esac
}

# folder_of TARGET: the folder a library target is built from.
folder_of() {
    case $1 in
    swoonery_base) echo base ;;
    swoonery_scores) echo scores ;;
    swoonery_core) echo core ;;
    swoonery_actions | swoonery_engine) echo actions ;;
    swoonery_driver_lib | swoonery-driver) echo driver ;;
    swoonery_platform) echo platform ;;
    swoonery_ui | swoonery_sound | swoonery) echo ui ;;
    *) echo "" ;;
    esac
}

offences=0
offend() {
    echo "check-layers: $*" >&2
    offences=$((offences + 1))
}
uses() { # uses FOLDER USED
    case " $(allowed "$1") " in
    *" $2 "*) return 0 ;;
    *) return 1 ;;
    esac
}

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [ -n "$(allowed "$folder")" ] || { offend "src/$folder is no known layer"; continue; }
    # Includes of the project's own headers: "folder/file.h".
    for file in "$dir"*.h "$dir"*.cpp; do
        [ -e "$file" ] || continue
        for used in $(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' "$file" | sort -u); do
            uses "$folder" "$used" ||
                offend "src/$folder/$(basename "$file") includes $used/, which $folder may not use"
        done
    done
    # Link lines, joined across line breaks: target_link_libraries(TARGET ...).
    [ -e "$dir/CMakeLists.txt" ] || continue
    tr '\n' ' ' <"$dir/CMakeLists.txt" | grep -o 'target_link_libraries([^)]*)' |
        while read -r line; do
            set -- $(echo "$line" | sed 's/target_link_libraries(//; s/)//')
            target=$1
            shift
            for lib in "$@"; do
                used=$(folder_of "$lib")
                [ -n "$used" ] || continue
                uses "$(folder_of "$target")" "$used" ||
                    echo "src/$folder/CMakeLists.txt links $target to $lib, which $folder may not use"
            done
        done >"${TMPDIR:-/tmp}/check-layers.$$"
    while read -r offence; do
        offend "$offence"
    done <"${TMPDIR:-/tmp}/check-layers.$$"
    rm -f "${TMPDIR:-/tmp}/check-layers.$$"
done

if [ "$offences" -ne 0 ]; then
    echo "check-layers: $offences offence(s)" >&2
    exit 1
fi
echo "check-layers: every include and link line points down"
