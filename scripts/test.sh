#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs what is missing, then builds and runs everything, failing on the
# first problem:
#   1. build/release: warnings as errors, every test, check and validator;
#   2. build/asan: the whole program and every test again under
#      AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer;
#   3. build/fuzz: the fuzz targets (clang, libFuzzer), each run briefly;
#   4. build/web: the browser build (emscripten): the logic tests as
#      WebAssembly under Node.js, and the site in Chromium;
#   5. build/windows: the Windows build (mingw-w64): torvane.exe's imports
#      and resources, and the logic and window tests under wine on a
#      private Xvfb display.
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
  -DTORVANE_SANITIZE=ON -DBUILD_TESTING=ON -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/asan --output-on-failure -j "$jobs"

# The fuzz targets, 20 seconds each from the seed corpus; what they find,
# and any input that breaks them, stays in build/fuzz-ci.
rm -rf build/fuzz-ci
TORVANE_FUZZ_SKIP_DEPS=1 TORVANE_FUZZ_CORPUS=$here/build/fuzz-ci scripts/fuzz.sh 20

# The browser build: the same logic tests as WebAssembly under Node.js, then
# the built site in headless Chromium (label web).
scripts/build-web.sh -DTORVANE_WERROR=ON -DBUILD_TESTING=ON
ctest --test-dir build/web --output-on-failure -j "$jobs"

# The Windows build, cross-compiled: the logic tests and the windows under
# wine, in the build tree's own wine prefix, on an Xvfb display of its own
# (label windows).
scripts/build-windows.sh -DTORVANE_WERROR=ON -DBUILD_TESTING=ON
ctest --test-dir build/windows --output-on-failure -j "$jobs"
