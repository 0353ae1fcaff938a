#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The real binary's command line: torvane_cli_test.sh PATH_TO_TORVANE
set -u
torvane=$1
failures=0
checks=0
check() {  # check NAME EXPECTED ACTUAL
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
out=$(mktemp -d)
listener=""
cleanup() {
    [ -n "$listener" ] && kill "$listener" 2>/dev/null && wait "$listener" 2>/dev/null
    rm -rf "$out"
}
trap cleanup EXIT

check "--version prints the version and the licence" "torvane 1.0.18
Copyright (C) 2025-2026 Torvane Tables
License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law." "$("$torvane" --version)"
"$torvane" --version >/dev/null; check "--version exits 0" 0 $?
"$torvane" --help >"$out/help"; check "--help exits 0" 0 $?
check "--help names --screenshot" 1 "$(grep -c -- '--screenshot <file>' "$out/help")"
check "--help names the program" 1 "$(grep -c '^Usage: torvane' "$out/help")"
check "--help names --keyboard" 1 "$(grep -c -- '--keyboard ' "$out/help")"
check "--help names --language" 1 "$(grep -c -- '--language <code>' "$out/help")"
check "--help keeps the benchmark's option to itself" 0 "$(grep -c -- '--exit-when-shown' "$out/help")"

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

# Playing, on the offscreen platform, until the window is shown.
play() {  # play ARGS...: the exit status; the milliseconds taken in $out/ms
    local start end status
    start=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen timeout 30 "$torvane" --exit-when-shown "$@" >/dev/null 2>&1
    status=$?
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 )) >"$out/ms"
    return $status
}
DBUS_SESSION_BUS_ADDRESS=unix:path=$out/no-bus play --keyboard
check "--keyboard is accepted and the game starts and quits" 0 $?
QT_QPA_PLATFORM=offscreen timeout 30 "$torvane" --exit-when-shown --language xx 2>"$out/stderr"
check "a language without a catalogue plays in English" 0 $?
check "and says so on stderr" 1 "$(grep -c "no catalogue for the language 'xx'" "$out/stderr")"

# A session bus that takes the connection and never answers: the screen
# reader query must not hold up the window, nor the exit.
python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(8)
held = []
while True:
    held.append(s.accept()[0])
' "$out/silent-bus" &
listener=$!
for _ in $(seq 50); do [ -S "$out/silent-bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=unix:path=$out/silent-bus play
check "with a session bus that never answers the game starts and quits" 0 $?
# Up, shown and gone in well under the 30 s limit: a start that waited for
# the bus would never show the window, an exit that waited would never end.
check "with a session bus that never answers the game is up and gone within 2 s" yes \
    "$([ "$(cat "$out/ms")" -lt 2000 ] && echo yes || echo "no: $(cat "$out/ms") ms")"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
