#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Builds the libFuzzer targets with clang in build/fuzz and runs each for
# SECONDS (default 60), one after the other:  scripts/fuzz.sh [SECONDS]
# Each target starts from its seed corpus in fuzz/corpus/ and keeps what it
# finds in $TORVANE_FUZZ_CORPUS/<target> (default ~/.cache/torvane/fuzz),
# outside the source tree; a crashing input is written there too, and the
# script fails. Set TORVANE_FUZZ_SKIP_DEPS=1 when the packages are known to
# be installed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
seconds=${1:-60}
store=${TORVANE_FUZZ_CORPUS:-${XDG_CACHE_HOME:-$HOME/.cache}/torvane/fuzz}
[ "${TORVANE_FUZZ_SKIP_DEPS:-0}" = 1 ] || scripts/deps.sh test

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_WERROR=ON \
  -DTORVANE_FUZZ=ON -DTORVANE_BUILD_UI=OFF -DBUILD_TESTING=OFF -DTORVANE_BENCHMARKS=OFF >/dev/null
cmake --build build/fuzz -j "$(nproc)"

for target in readers table; do
  corpus=$store/$target
  mkdir -p "$corpus"
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  echo "fuzzing $target for ${seconds}s (corpus $corpus)"
  log=$(mktemp)
  if ! build/fuzz/fuzz/torvane_fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$corpus/" "${dict[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    rm -f "$log"
    echo "fuzz target $target failed; the input that broke it is in $corpus/"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" | sed 's/^/  /'
  echo "  corpus: $(find "$corpus" -type f | wc -l) files"
  rm -f "$log"
done
