#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Builds the game alone twice from the same source, in two different
# directories, at two different times, under different umasks, time zones
# and locales, and makes the Debian package of each as the package step
# does: the two packages must be the same bytes. The first build takes its
# date from the source (SOURCE_DATE_EPOCH unset: the last commit, or the
# changelog), the second is given that date. diffoscope, where installed,
# tells what differs.   reproducible_test.sh SOURCE_DIR
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {  # build NAME UMASK TZ LOCALE [SOURCE_DATE_EPOCH]
    local dir="$work/$1"
    (
        umask "$2"
        export TZ="$3" LANG="$4" LC_ALL="$4"
        [ -n "${5:-}" ] && export SOURCE_DATE_EPOCH="$5" || unset SOURCE_DATE_EPOCH
        cmake -S "$source_dir" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBUILD_TESTING=OFF -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF &&
            cmake --build "$dir/build" -j "$(nproc)" --target torvane torvane_icons torvane_docs \
                torvane_desktop_files &&
            cmake --build "$dir/build" --target deb
    ) >"$work/$1.log" 2>&1 || { tail -n 30 "$work/$1.log" >&2; echo "FAIL: build $1" >&2; exit 1; }
    ls "$dir"/build/torvane_*.deb
}

first=$(build one 022 UTC C.UTF-8) || exit 1
sleep 1
epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || true)
second=$(build two 077 Pacific/Chatham C "${epoch:-}") || exit 1
if cmp -s "$first" "$second"; then
    echo "the two packages are the same $(stat -c %s "$first") bytes"
    stamp=$(dpkg-deb --fsys-tarfile "$first" | tar -tv --full-time | awk '{print $4 " " $5}' | sort -u)
    echo "every file dated $stamp (UTC)"
    exit 0
fi
echo "FAIL: two builds of the same source gave different packages"
if command -v diffoscope >/dev/null; then
    diffoscope --no-progress "$first" "$second" | head -n 80
fi
exit 1
