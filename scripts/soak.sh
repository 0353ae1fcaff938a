#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The long property run: the table's property test with SEQUENCES random
# action sequences (default 100000) under AddressSanitizer, UBSan and LSan,
# in build/asan, and how long it took:  scripts/soak.sh [SEQUENCES]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
sequences=${1:-100000}
scripts/deps.sh test
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_WERROR=ON \
  -DTORVANE_SANITIZE=ON -DBUILD_TESTING=ON -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF \
  >/dev/null
cmake --build build/asan -j "$(nproc)" --target torvane_logic_tests
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
start=$(date +%s)
RC_PARAMS="max_success=$sequences" build/asan/tests/torvane_logic_tests \
  --gtest_filter='TableProperty.*'
end=$(date +%s)
echo "$sequences sequences under the sanitizers in $((end - start)) s"
