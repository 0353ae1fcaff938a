#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The game on a Wayland desktop: a headless weston with its own socket in a
# private runtime folder, the game on Qt's wayland platform. It must start,
# announce the desktop entry's id as its app id, and end on SIGTERM with
# status 0; weston is stopped afterwards.  wayland_test.sh TORVANE APP_ID
set -u
torvane=$1
app_id=$2
runtime=$(mktemp -d)  # mode 0700, as Wayland wants it
socket=torvane-test-$$
failures=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
weston_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
    [ -n "$weston_pid" ] && { kill -KILL "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; }
    rm -rf "$runtime"
}
trap cleanup EXIT
wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --socket="$socket" \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
if ! wait_for 20 test -S "$runtime/$socket"; then
    cat "$runtime/weston.log"
    echo "FAIL: weston did not start"
    exit 1
fi
echo "ok: weston runs headless on $socket"

# WAYLAND_DEBUG makes the client log every request it sends, set_app_id too.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    WAYLAND_DEBUG=client "$torvane" >"$runtime/game.out" 2>"$runtime/game.err" &
game_pid=$!
shown() { grep -qs 'xdg_toplevel@[0-9]*\.set_title("   Diduvor 3/1 V' "$runtime/game.err"; }
if wait_for 30 shown; then echo "ok: the main window is shown"; else echo "FAIL: no main window"; failures=$((failures + 1)); fi
check "the app id is the desktop entry's id" "set_app_id(\"$app_id\")" \
    "$(grep -o "set_app_id(\"[^\"]*\")" "$runtime/game.err" | sort -u | head -n 1)"

kill -TERM "$game_pid"
if wait_for 30 bash -c "! kill -0 $game_pid 2>/dev/null"; then
    wait "$game_pid"
    status=$?
else
    status="still running 30 s after SIGTERM"
    grep -v -E '^\[[ 0-9.]+\]|^ *-> ' "$runtime/game.err" | tail -n 20
    tail -n 5 "$runtime/game.err"
fi
game_pid=
check "SIGTERM ends the game with status 0" 0 "$status"
# Besides the protocol log, only Qt's own notes may appear.
other=$(grep -v -E '^\[[ 0-9.]+\]|^ *-> |^qt\.qpa\.' "$runtime/game.err" | grep -v '^$')
check "nothing else on stderr" "" "$other"

kill -TERM "$weston_pid"
wait_for 10 bash -c "! kill -0 $weston_pid 2>/dev/null" || kill -KILL "$weston_pid"
wait "$weston_pid" 2>/dev/null
weston_pid=
check "weston is stopped" "" "$(pgrep -f "socket=$socket" || true)"

[ "$failures" -eq 0 ] && echo "the wayland checks passed" || echo "$failures wayland checks failed"
[ "$failures" -eq 0 ]
