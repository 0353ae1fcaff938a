#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs what is missing, builds the game and starts it:
#   scripts/play.sh [ARGUMENTS...]    on the desktop, in build/play; the
#                                     arguments go to the game (--help)
#   scripts/play.sh --web [--port N]  in the browser: builds the site into
#                                     build/web/site and serves it on
#                                     http://127.0.0.1:N/ (8000 unless told)
#   scripts/play.sh --web --build-only   builds the site without serving it
#   scripts/play.sh --windows [--build-only] [ARGUMENTS...]
#                                     the Windows game, cross-built in
#                                     build/windows and run under wine on
#                                     this desktop (your own wine prefix);
#                                     --build-only stops after building
#                                     build/windows/src/windows/torvane.exe
#                                     and beside it the zip and the setup
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

if [ "${1:-}" = "--windows" ]; then
  shift
  run=1
  if [ "${1:-}" = "--build-only" ]; then
    run=0
    shift
  fi
  scripts/deps.sh windows
  scripts/build-windows.sh -DBUILD_TESTING=OFF
  game=build/windows/src/windows/torvane.exe
  if [ "$run" = 0 ]; then
    echo "The Windows game is $game; beside it, what a Windows player downloads:"
    ls -1 build/windows/src/windows/torvane-*-win64.zip build/windows/src/windows/torvane-*-setup.exe
    exit 0
  fi
  if [ -z "${DISPLAY:-}" ]; then
    echo "play.sh --windows: DISPLAY is not set: wine shows the game on an X display" \
      "(a desktop session, or XWayland); --build-only only builds it" >&2
    exit 1
  fi
  # Quiet, and no offer to install Mono or Gecko, which the game does not use.
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
  exec wine "$game" "$@"
fi

if [ "${1:-}" != "--web" ]; then
  scripts/deps.sh play
  cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF
  cmake --build build/play -j "$(nproc)" --target torvane
  exec build/play/src/app/torvane "$@"
fi

shift
port=8000
serve=1
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port=${2:?--port needs a number}; shift 2 ;;
    --port=*) port=${1#--port=}; shift ;;
    --build-only) serve=0; shift ;;
    *) echo "play.sh --web: unknown argument $1 (--port N, --build-only)" >&2; exit 2 ;;
  esac
done
scripts/deps.sh web
scripts/build-web.sh -DBUILD_TESTING=OFF
[ "$serve" = 1 ] || { echo "The site is in build/web/site/"; exit 0; }
echo "Open http://127.0.0.1:$port/ in a browser; Ctrl+C stops the server."
exec /usr/bin/python3 scripts/serve.py build/web/site --port "$port"
