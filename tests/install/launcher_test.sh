#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The launcher starts the game in the folder where its files belong: the
# current folder from a terminal, the game's own data folder from the menu,
# and the current folder again when the data folder cannot be made or used;
# it changes the mode of no folder it did not make itself.
. "$(dirname "$0")/common.sh"

# The installed launcher, with a stand-in program that notes where it runs.
tree=$scratch/tree
mkdir -p "$tree/usr/games" "$tree/usr/lib/games/swoonery"
cp "$launcher" "$tree/usr/games/swoonery"
cat >"$tree/usr/lib/games/swoonery/swoonery" <<'PROG'
#!/bin/sh
pwd -P >"$RAN_IN"
PROG
chmod +x "$tree/usr/lib/games/swoonery/swoonery"
export RAN_IN=$scratch/ran-in

home=$scratch/home
here=$scratch/here
wrap=
mkdir -p "$home" "$here"

# check NAME EXPECTED-FOLDER ENV-ASSIGNMENTS... -- LAUNCHER-ARGUMENTS...
check() {
    name=$1 expected=$(cd "$2" 2>/dev/null && pwd -P || echo "$2")
    shift 2
    rm -f "$RAN_IN"
    assignments=
    while [ "$1" != -- ]; do
        assignments="$assignments $1"
        shift
    done
    shift
    status=0
    (cd "$here" && env -u XDG_DATA_HOME HOME="$home" $assignments \
        $wrap "$tree/usr/games/swoonery" "$@") 2>"$scratch/stderr" || status=$?
    if [ "$status" -ne 0 ]; then
        fail "$name: launcher exited with $status: $(cat "$scratch/stderr")"
    elif [ "$(cat "$RAN_IN" 2>/dev/null)" != "$expected" ]; then
        fail "$name: game ran in '$(cat "$RAN_IN" 2>/dev/null)', not '$expected'"
    fi
}

check terminal "$here" --
check menu_default "$home/.local/share/swoonery" -- --data-folder
check menu_xdg "$scratch/xdg/swoonery" XDG_DATA_HOME="$scratch/xdg" -- --data-folder
check menu_relative_xdg_ignored "$home/.local/share/swoonery" XDG_DATA_HOME=rel -- --data-folder
check menu_empty_xdg_ignored "$home/.local/share/swoonery" XDG_DATA_HOME= -- --data-folder

# The data folder is the player's own: mode 700, and what is in it stays.
mode=$(stat -c %a "$home/.local/share/swoonery")
[ "$mode" = 700 ] || fail "data folder has mode $mode, not 700"
echo scores >"$home/.local/share/swoonery/Scores"
chmod 755 "$home/.local/share/swoonery"
check menu_existing_folder "$home/.local/share/swoonery" -- --data-folder
[ "$(cat "$home/.local/share/swoonery/Scores")" = scores ] || fail "existing Scores changed"

# Folders that are there already keep their mode: a shared one, and a link
# the player made to a folder elsewhere (nothing is changed through a link).
mkdir -p "$scratch/shared/swoonery" "$scratch/linked" "$scratch/target"
chmod 2770 "$scratch/shared/swoonery"
chmod 750 "$scratch/target"
ln -s "$scratch/target" "$scratch/linked/swoonery"
check shared_folder "$scratch/shared/swoonery" XDG_DATA_HOME="$scratch/shared" -- --data-folder
check linked_folder "$scratch/target" XDG_DATA_HOME="$scratch/linked" -- --data-folder
for kept in shared/swoonery:2770 target:750; do
    mode=$(stat -c %a "$scratch/${kept%:*}")
    [ "$mode" = "${kept#*:}" ] || fail "${kept%:*} went from mode ${kept#*:} to $mode"
done
if [ "$(id -u)" -eq 0 ]; then
    # Someone else's link could send the player's files into any folder the
    # player can write: it is not followed.
    mkdir -p "$scratch/planted"
    ln -s "$scratch/target" "$scratch/planted/swoonery"
    chown -h 65534 "$scratch/planted/swoonery"
    check planted_link "$here" XDG_DATA_HOME="$scratch/planted" -- --data-folder
fi

# Missing parents are made private whatever the umask.
old_umask=$(umask)
umask 000
check umask_000_home "$scratch/home000/.local/share/swoonery" HOME="$scratch/home000" -- --data-folder
check umask_000_xdg "$scratch/xdg000/a/swoonery" XDG_DATA_HOME="$scratch/xdg000/a" -- --data-folder
umask "$old_umask"
for made in home000/.local home000/.local/share home000/.local/share/swoonery \
    xdg000 xdg000/a xdg000/a/swoonery; do
    mode=$(stat -c %a "$scratch/$made" 2>/dev/null) || mode=missing
    [ "$mode" = 700 ] || fail "$made made with mode $mode, not 700"
done

# A HOME that is no absolute path names no folder of the player's: the game
# runs in the current folder, says so, and makes nothing there.
for bad_home in rel ""; do
    check "home='$bad_home'" "$here" HOME="$bad_home" -- --data-folder
    grep -q "^swoonery: cannot use .*, keeping the files in $here\$" "$scratch/stderr" ||
        fail "home '$bad_home': no word about the folder: $(cat "$scratch/stderr")"
done
[ -z "$(ls -A "$here")" ] || fail "something was made in the current folder: $(ls -A "$here")"

# Folders that cannot be made: the game runs in the current folder.
echo "not a folder" >"$scratch/blocked"
check uncreatable_folder "$here" XDG_DATA_HOME="$scratch/blocked" -- --data-folder
grep -q "cannot use $scratch/blocked/swoonery" "$scratch/stderr" ||
    fail "no word about the folder that could not be made"
readonly_home=$scratch/readonly-home
mkdir -p "$readonly_home"
if [ "$(id -u)" -ne 0 ]; then
    chmod 555 "$readonly_home"
    check readonly_home "$here" HOME="$readonly_home" -- --data-folder
    chmod 755 "$readonly_home"
elif unshare --mount true 2>/dev/null; then
    # Root writes anywhere a permission allows, but not on a read-only mount:
    # one in a mount namespace of the launcher's own.
    cat >"$scratch/readonly-wrap" <<WRAP
#!/bin/sh
mount --bind "$readonly_home" "$readonly_home" &&
    mount -o remount,bind,ro "$readonly_home" || exit 99
exec "\$@"
WRAP
    chmod +x "$scratch/readonly-wrap"
    wrap="unshare --mount $scratch/readonly-wrap"
    check readonly_home "$here" HOME="$readonly_home" -- --data-folder
    wrap=
    [ -e "$readonly_home/.local" ] && fail "the read-only home was written to"
else
    echo "note: no read-only home checked (root, and no mount namespaces here)"
fi

# Started through a link, it still finds the game.
ln -s "$tree/usr/games/swoonery" "$scratch/link"
rm -f "$RAN_IN"
(cd "$here" && "$scratch/link") || fail "launcher through a link failed"
[ "$(cat "$RAN_IN" 2>/dev/null)" = "$here" ] || fail "launcher through a link did not run the game"

# The game has no command line: anything else is refused before it starts.
for args in --help --data-folder\ extra -x; do
    rm -f "$RAN_IN"
    status=0
    # shellcheck disable=SC2086
    "$tree/usr/games/swoonery" $args 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "'$args' gave exit status $status, not 2"
    [ -e "$RAN_IN" ] && fail "'$args' started the game"
done

finish
