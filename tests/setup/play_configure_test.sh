#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The play path: a fresh configure as scripts/play.sh does it looks for no
# test or check tool, so a machine with only packages/play.txt can build the
# game. play_configure_test.sh SOURCE_DIR
set -u
source=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
args=$(grep -A1 'cmake -S . -B build/play' "$source/scripts/play.sh" | tr -d '\\\n' |
    sed 's/.*-B build\/play//')
# shellcheck disable=SC2086
if ! cmake -S "$source" -B "$tree" $args >"$tree.log" 2>&1; then
    cat "$tree.log"; rm -f "$tree.log"
    echo "FAIL: the play configure did not succeed"; exit 1
fi
rm -f "$tree.log"
found=$(grep -E -i '^(gtest|rapidcheck|benchmark|clang_tidy|clang_format|cppcheck|appstreamcli|desktop_file_validate|lintian|dpkg_shlibdeps|file_command|xvfb|weston|python|dbus_run_session)[A-Za-z_]*[:=]' \
    "$tree/CMakeCache.txt")
if [ -n "$found" ]; then
    echo "FAIL: the play configure looked for test tools:"; echo "$found"; exit 1
fi
grep -q '^Qt6Widgets_DIR:' "$tree/CMakeCache.txt" || { echo "FAIL: Qt was not found"; exit 1; }
echo "ok: the play configure ($args) finds Qt and looks for no test tool"
