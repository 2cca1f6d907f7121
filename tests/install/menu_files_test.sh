#!/bin/sh
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed desktop entry, AppStream metadata and man page pass the
# desktop's own validators, and the menu entry starts the launcher with the
# data folder.
. "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli

entry=$root/share/applications/org.example.swoonery.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -q '^Exec=swoonery --data-folder$' "$entry" || fail "the menu entry does not ask for the data folder"
grep -q '^Categories=.*Game;' "$entry" || fail "the menu entry is not in the Game category"

metainfo=$root/share/metainfo/org.example.swoonery.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q '<launchable type="desktop-id">org.example.swoonery.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch the installed desktop entry"

if command -v man >/dev/null 2>&1; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man6/swoonery.6" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the man page has warnings: $warnings"
fi

finish
