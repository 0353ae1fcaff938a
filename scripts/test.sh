#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs what is missing, builds with warnings as errors and runs every test:
# the whole suite (logic and headless widget tests) in build/release, then the
# logic tests again under AddressSanitizer and UndefinedBehaviorSanitizer in build/asan.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/deps.sh test
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_WERROR=ON \
  -DBUILD_TESTING=ON -DTORVANE_STATIC_CHECKS=ON -DTORVANE_BENCHMARKS=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_WERROR=ON \
  -DTORVANE_SANITIZE=ON -DTORVANE_BUILD_UI=OFF
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"
