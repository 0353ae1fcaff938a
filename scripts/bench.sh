#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs what is missing, builds the benchmarks optimised in build/bench and
# prints one table: each game handler (Google Benchmark, median of 5 runs),
# SPIN through the real window offscreen, the start-up time and peak memory
# of `torvane --screenshot` beside a minimal Qt Widgets program, and the play
# path: from starting `torvane` to its window being exposed on an X server
# (Xvfb), beside the minimal program doing the same; then the browser build
# in headless Chromium (bench/web_bench.py): the bytes of a first load, the
# time to the drawn window beside a page with one label, and SPIN, and
# Lighthouse's scores on its desktop and mobile presets (bench/lighthouse.py);
# last
# the Windows build under wine (bench/WindowsBench.cpp): its size, start-up,
# SPIN and peak working set. scripts/bench.sh --windows: that part alone.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/deps.sh test
if [ "${1:-}" != --windows ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTORVANE_BENCHMARKS=ON >/dev/null
  cmake --build build/bench -j "$(nproc)" --target torvane torvane_bench_handlers \
    torvane_bench_window torvane_minimal_qt >/dev/null
fi
out=$(mktemp -d)
xvfb=""
bus=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  [ -n "$bus" ] && kill "$bus" 2>/dev/null
  rm -rf "$out"
}
trap cleanup EXIT
runs=${TORVANE_BENCH_RUNS:-30}

# The Windows game, cross-built, under wine on a private Xvfb with a
# persistent wineserver (so each run starts a process, not a wine session):
# the stripped exe's size, then, timed inside the process with
# QueryPerformanceCounter (bench/WindowsBench.cpp), the start to the end of
# the first paint, SPIN to the end of its repaint, and the peak working set,
# the medians of $runs runs, beside a bare window with one label timed the
# same way (bench/MinimalWin32.cpp, wine's floor). These are wine's figures,
# not Windows'.
windows_bench() {
  echo
  scripts/build-windows.sh -DTORVANE_BENCHMARKS=ON >/dev/null
  wine_run=tests/windows/wine-run.sh
  "$wine_run" --display build/windows >/dev/null
  "$wine_run" --prefix build/windows >/dev/null
  "$wine_run" --run-in build/windows wineserver -p
  x86_64-w64-mingw32-strip -o "$out/torvane.exe" build/windows/src/windows/torvane.exe
  for _ in $(seq "$runs"); do
    "$wine_run" build/windows/bench/torvane_minimal_win32.exe >>"$out/windows" 2>/dev/null
    "$wine_run" build/windows/bench/torvane_bench_win32.exe >>"$out/windows" 2>/dev/null
  done
  "$wine_run" --stop build/windows >/dev/null
  python3 - "$out/windows" "$(stat -c %s "$out/torvane.exe")" <<'PY'
import statistics, sys
values = {}
for line in open(sys.argv[1]):
    name, value, unit = line.split()
    values.setdefault(name, (unit, []))[1].append(float(value))
print("%-44s %14.0f KiB %10s" % ("windows: torvane.exe stripped", int(sys.argv[2]) / 1024, "<= 1024 KiB"))
targets = {"first_paint": "<= 30 ms", "spin_click_median": "< 1 ms", "spin_click_p95": "< 1 ms",
           "peak_working_set": "<= 16 MiB"}
for name, (unit, seen) in values.items():
    print("%-44s %14.2f %-3s %10s" % ("windows (wine): " + name.replace("_", " "),
                                      statistics.median(seen), unit, targets.get(name, "")))
PY
}

# --windows: the Windows build alone.
if [ "${1:-}" = --windows ]; then
  windows_bench
  exit 0
fi

bench() {  # bench BINARY: "name median_ns" lines
  "$1" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '$1 ~ /_median"$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1);
                                 f = ($5 == "\"us\"" || $5 == "us") ? 1000 : ($5 ~ /ms/ ? 1e6 : 1);
                                 print $1, $3 * f }'
}

# Start-up, and peak memory, of the game beside a bare Qt program with one
# label doing the same, $runs runs each (at least 30 are asked for), the
# two taking turns so that drift in the machine's load hits both alike:
# - --screenshot: rendered offscreen and written to a PNG file;
# - the player's start: from starting the program to its window first
#   exposed on an X server (Xvfb), with a session bus present, as on a
#   desktop (Qt's accessibility bridge looks at the bus in both programs,
#   and the game asks it whether a screen reader runs).
run_once() {  # run_once LABEL COMMAND...: appends "microseconds peak_kib" to $out/LABEL
  local label=$1 start end
  shift
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$out/rss" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $(cat "$out/rss")" >>"$out/$label"
}
compare() {  # compare NAME: one line of medians, ratios and their spread
  python3 - "$out/$1-floor" "$out/$1-game" "$1" <<'PY'
import statistics, sys
floor = [tuple(map(int, l.split())) for l in open(sys.argv[1])]
game = [tuple(map(int, l.split())) for l in open(sys.argv[2])]
def ratio(column):
    per_pair = sorted(g[column] / f[column] for f, g in zip(floor, game))
    quarter = len(per_pair) // 4
    median = statistics.median(g[column] for g in game) / statistics.median(f[column] for f in floor)
    return median, per_pair[quarter], per_pair[-quarter - 1]
t, m = ratio(0), ratio(1)
print(sys.argv[3], statistics.median(f[0] for f in floor) / 1000, statistics.median(g[0] for g in game) / 1000,
      statistics.median(f[1] for f in floor), statistics.median(g[1] for g in game),
      "%.2f %.2f %.2f %.2f %.2f %.2f" % (t + m))
PY
}
startup() {
  : >"$out/screenshot-floor"
  : >"$out/screenshot-game"
  for _ in $(seq "$runs"); do
    run_once screenshot-floor build/bench/bench/torvane_minimal_qt "$out/shot.png"
    run_once screenshot-game build/bench/src/app/torvane --screenshot "$out/shot.png"
  done
  compare screenshot
}
playpath() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$out/display")"
  dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$out/bus" 5>"$out/bus-pid"
  bus=$(cat "$out/bus-pid")
  export DBUS_SESSION_BUS_ADDRESS=$(cat "$out/bus")
  : >"$out/play-floor"
  : >"$out/play-game"
  for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=xcb run_once play-floor build/bench/bench/torvane_minimal_qt --exit-when-shown
    QT_QPA_PLATFORM=xcb run_once play-game build/bench/src/app/torvane --exit-when-shown
  done
  compare play
}
startup_rows() {  # startup_rows WHAT: the table rows of one comparison
  read -r _ floor_ms game_ms floor_kib game_kib t t_low t_high m m_low m_high
  printf '%-44s %11.1f ms %12s\n' "$1: bare Qt window (floor)" "$floor_ms" ""
  printf '%-44s %11.1f ms %12s\n' "$1: torvane" "$game_ms" ""
  printf '%-44s %8s (%s-%s) %9s\n' "$1: time ratio (middle half of runs)" "$t" "$t_low" "$t_high" "<= 1.25"
  printf '%-44s %10s KiB %12s\n' "$1: peak memory, floor" "$floor_kib" ""
  printf '%-44s %10s KiB %12s\n' "$1: peak memory, torvane" "$game_kib" ""
  printf '%-44s %8s (%s-%s) %9s\n' "$1: memory ratio (middle half of runs)" "$m" "$m_low" "$m_high" "<= 1.15"
}

printf '%-44s %14s %12s\n' "What" "Median" "Target"
bench build/bench/bench/torvane_bench_handlers | while read -r name ns; do
  printf '%-44s %11.0f ns %12s\n' "handler: $name" "$ns" "< 5000 ns"
done
bench build/bench/bench/torvane_bench_window | while read -r name ns; do
  printf '%-44s %11.0f us %12s\n' "window: $name (with repaint)" "$(awk -v n="$ns" 'BEGIN{print n/1000}')" "< 2000 us"
done

playpath | startup_rows "player's start"
startup | startup_rows "--screenshot"
echo
scripts/build-web.sh >/dev/null
/usr/bin/python3 bench/web_bench.py build/web/site "$runs"
# Lighthouse, from npm at the version bench/lighthouse's lock file pins.
mkdir -p build/bench/lighthouse
cp bench/lighthouse/package.json bench/lighthouse/package-lock.json build/bench/lighthouse/
npm ci --prefix build/bench/lighthouse --no-audit --no-fund --loglevel=error >/dev/null
/usr/bin/python3 bench/lighthouse.py build/web/site \
  build/bench/lighthouse/node_modules/.bin/lighthouse "${TORVANE_LIGHTHOUSE_RUNS:-5}" || true

windows_bench
