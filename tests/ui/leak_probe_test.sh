#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The leak suppressions hide only what is not ours: a window of the game's
# leaked in a child process is still reported.  leak_probe_test.sh PROBE
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$1" >"$out" 2>&1
status=$?
if [ "$status" -eq 0 ]; then
    echo "FAIL: the leak went unreported (status 0)"; cat "$out"; exit 1
fi
grep -q "ERROR: LeakSanitizer: detected memory leaks" "$out" ||
    { echo "FAIL: no LeakSanitizer report"; cat "$out"; exit 1; }
grep -q "torvane::ui::frmhelp::frmhelp" "$out" ||
    { echo "FAIL: the report does not name the leaked window"; cat "$out"; exit 1; }
echo "ok: LeakSanitizer reports the planted leak (status $status)"
