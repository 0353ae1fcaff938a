#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The real binary's command line: torvane_cli_test.sh PATH_TO_TORVANE
set -u
torvane=$1
failures=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

check "--version prints the version and the licence" "torvane 1.0.18
Copyright (C) 2025-2026 Torvane Tables
License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law." "$("$torvane" --version)"
"$torvane" --version >/dev/null; check "--version exits 0" 0 $?
"$torvane" --help >"$out/help"; check "--help exits 0" 0 $?
check "--help names --screenshot" 1 "$(grep -c -- '--screenshot <file>' "$out/help")"
check "--help names the program" 1 "$(grep -c '^Usage: torvane' "$out/help")"

"$torvane" --no-such-option >"$out/stdout" 2>"$out/stderr"; status=$?
check "an unknown option exits 2" 2 "$status"
check "an unknown option is named on stderr" 1 "$(grep -c "Unknown option 'no-such-option'" "$out/stderr")"
check "nothing on stdout for an unknown option" "" "$(cat "$out/stdout")"
"$torvane" stray 2>/dev/null; check "a stray argument exits 2" 2 $?

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$torvane" --screenshot "$out/shot.png" 2>/dev/null
check "--screenshot exits 0 without a display" 0 $?
check "--screenshot writes a PNG" "89504e47" "$(head -c 4 "$out/shot.png" | od -An -tx1 | tr -d ' \n')"
"$torvane" --screenshot "$out/missing/shot.png" 2>/dev/null
check "--screenshot to an unwritable place exits 1" 1 $?

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$torvane" >"$out/stdout" 2>"$out/stderr"
check "with no display at all it exits 1" 1 $?
check "with no display it says so in one line" 1 "$(wc -l <"$out/stderr")"
check "the line names what is missing and --screenshot" 1 \
    "$(grep -c 'no display to show the game on: neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set.*--screenshot FILE, which needs no display' "$out/stderr")"

echo "$((15 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
