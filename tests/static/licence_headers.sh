#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Every source, script and data file names its licence and its copyright
# holder in an SPDX header: licence_headers.sh SOURCE_DIR
# Left out: the fuzzers' seed inputs, PNG pictures, the licence itself,
# Markdown, and the files whose formats have no comments: Debian's copyright
# and changelog, the web app manifest and npm's package files (the copyright
# file and package.json state the licence in their own fields).
set -u
cd "$1" || exit 2
missing=0
while IFS= read -r -d '' file; do
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier: ' &&
        head -n 5 "$file" | grep -q 'SPDX-FileCopyrightText: ' && continue
    echo "no SPDX header: $file"
    missing=$((missing + 1))
done < <(find . \( -path ./build -o -path ./.git -o -path ./fuzz/corpus \) -prune -o \
    -type f ! -name '*.png' ! -name LICENSE ! -name '*.md' ! -name '*.webmanifest' \
    ! -name 'package.json' ! -name 'package-lock.json' \
    ! -path ./data/copyright ! -path ./data/changelog -print0)
echo "$missing files without an SPDX header"
[ "$missing" -eq 0 ]
