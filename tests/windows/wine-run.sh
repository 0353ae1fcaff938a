#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Runs the cross build's Windows programs under wine, each build tree in a
# wine prefix and on an X display of its own, so the tests neither touch the
# user's ~/.wine nor open windows on the user's screen.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#       CTest's emulator (cmake/mingw-w64.cmake), for the tests and for the
#       listing of their names: runs the program and exits with its status.
#       The build tree is the nearest folder above the program that holds a
#       CMakeCache.txt ($TORVANE_WINE_TREE, if set, names it instead).
#   wine-run.sh --prefix TREE    makes the prefix unless it is there, and
#                                waits until wine has finished with it (what
#                                an interrupted run left running is stopped)
#   wine-run.sh --display TREE   starts the private Xvfb, unless it runs
#   wine-run.sh --stop TREE      stops wine in the prefix, then that Xvfb
#   wine-run.sh --run-in TREE COMMAND [ARGUMENTS...]
#                                runs COMMAND (wine, or one of wine's own tools
#                                such as wineboot --end-session) in the prefix
#                                and on the display, in this process and with
#                                its output as given: the program that starts a
#                                wine session hands that output on to wine's
#                                services, so give it files, not CTest's pipes
# Everything lives in TREE/wine: prefix/ (the wine prefix), prefix.ready
# (written once wineboot has finished it), display and xvfb.pid (the
# running Xvfb's display name and process id), and the logs.
# With TORVANE_WINE_PREFIX_NAME=NAME set, every form uses another prefix of
# the tree, TREE/wine/NAME, on the same private display; with
# TORVANE_WINE_DPI=N, that prefix's screen has N dots per inch (LogPixels),
# and its name is dpiN unless given.
set -u

die() {
  echo "wine-run.sh: $*" >&2
  exit 125
}

# Sets up the environment for wine in tree $1.
use_tree() {
  state=$(cd "$1" && pwd)/wine || die "no build tree $1"
  display_state=$state
  dpi=${TORVANE_WINE_DPI:-}
  local name=${TORVANE_WINE_PREFIX_NAME:-}
  if [ -n "$dpi" ]; then
    [[ $dpi =~ ^[1-9][0-9]*$ ]] || die "TORVANE_WINE_DPI must be a number of dots per inch"
    name=${name:-dpi$dpi}
  fi
  if [ -n "$name" ]; then
    [[ $name =~ ^[A-Za-z0-9_-]+$ ]] || die "TORVANE_WINE_PREFIX_NAME must be a plain name"
    state=$state/$name
  fi
  mkdir -p "$state" || die "cannot make $state"
  export WINEPREFIX=$state/prefix
  export WINEARCH=win64
  # Quiet, and no offer to download and install Mono or Gecko (the
  # programs need neither .NET nor an HTML engine).
  export WINEDEBUG=${TORVANE_WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # The private display when it runs, none otherwise (the programs then
  # still run, as long as they open no window: listing the tests is fine).
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY
  local display
  if display=$(running_display); then
    export DISPLAY=$display
  fi
}

# Prints the private display's name if that Xvfb is still running.
running_display() {
  local pid
  pid=$(cat "$display_state/xvfb.pid" 2>/dev/null) || return 1
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] || return 1
  cat "$display_state/display" 2>/dev/null
}

# Makes the prefix once. A first prefix takes wineboot some ten seconds;
# whoever comes first (the fixture, or the listing of the tests, which
# CTest runs before any test) makes it under a lock while the others wait.
# A prefix left unfinished by an interrupted run is made again.
make_prefix() {
  [ -f "$state/prefix.ready" ] && return 0
  (
    flock 9 || exit 1
    [ -f "$state/prefix.ready" ] && exit 0
    rm -rf "$WINEPREFIX"
    echo "wine-run.sh: making the wine prefix $WINEPREFIX" >&2
    wineboot --init >"$state/wineboot.log" 2>&1 || exit 1
    # Xvfb runs no window manager, so wine is told to manage the windows
    # itself: a managed window waits up to two seconds for a manager to
    # confirm each hide (every message box closed, every modal window).
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      >>"$state/wineboot.log" 2>&1 || exit 1
    if [ -n "$dpi" ]; then
      # What the Display settings' scale sets on Windows, for the user and
      # for the machine's default.
      for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$state/wineboot.log" 2>&1 ||
          exit 1
      done
    fi
    wineserver -w || exit 1
    touch "$state/prefix.ready"
  ) 9>"$state/prefix.lock" || die "could not make the wine prefix (see $state/wineboot.log)"
}

start_display() {
  if running_display >/dev/null; then
    echo "Xvfb already runs on $(running_display)"
    return 0
  fi
  rm -f "$state/display" "$state/xvfb.pid"
  # Xvfb picks a free display number itself and writes it to descriptor 3
  # once it accepts connections. It runs in a session of its own, its
  # output in a file, so CTest does not wait for it at the end of this test.
  : >"$state/display.new"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$state/display.new" </dev/null >"$state/xvfb.log" 2>&1 &
  local pid=$! number=""
  for _ in $(seq 100); do
    number=$(tr -dc 0-9 <"$state/display.new")
    [ -n "$number" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$state/display.new"
  if [ -z "$number" ]; then
    kill "$pid" 2>/dev/null
    cat "$state/xvfb.log" >&2
    die "Xvfb did not start"
  fi
  echo ":$number" >"$state/display"
  echo "$pid" >"$state/xvfb.pid"
  echo "Xvfb runs on :$number (process $pid)"
}

stop() {
  wineserver -k 2>/dev/null
  local pid other
  for other in "$state"/*/prefix; do
    [ -d "$other" ] && WINEPREFIX=$other wineserver -k 2>/dev/null
  done
  if pid=$(cat "$state/xvfb.pid" 2>/dev/null) &&
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]; then
    kill "$pid"
    echo "stopped Xvfb (process $pid)"
  fi
  rm -f "$state/display" "$state/xvfb.pid" "$state"/output.*
  return 0
}

case "${1:-}" in
  --prefix)
    use_tree "${2:?--prefix needs the build tree}"
    make_prefix
    # The tests find a wine that starts afresh on the private display:
    # what the listing of the tests started in the prefix ends by itself
    # within seconds; anything still running after half a minute is left
    # from an interrupted run, and stopped.
    if ! timeout 30 wineserver -w; then
      echo "stopping what an earlier run left running in $WINEPREFIX"
      wineserver -k
    fi
    echo "wine prefix ready: $WINEPREFIX"
    ;;
  --display)
    unset TORVANE_WINE_DPI TORVANE_WINE_PREFIX_NAME  # one display for every prefix
    use_tree "${2:?--display needs the build tree}"
    start_display
    ;;
  --stop)
    unset TORVANE_WINE_DPI TORVANE_WINE_PREFIX_NAME  # every prefix, then the display
    use_tree "${2:?--stop needs the build tree}"
    stop
    ;;
  --run-in)
    use_tree "${2:?--run-in needs the build tree}"
    [ $# -ge 3 ] || die "--run-in needs a command"
    shift 2
    make_prefix
    exec "$@"
    ;;
  "" | -*)
    die "usage: wine-run.sh PROGRAM.exe [ARGUMENTS...] | --prefix|--display|--stop TREE" \
      "| --run-in TREE COMMAND..."
    ;;
  *)
    program=$1
    shift
    [ -f "$program" ] || die "no program $program"
    tree=${TORVANE_WINE_TREE:-}
    if [ -z "$tree" ]; then
      tree=$(cd "$(dirname "$program")" && pwd)
      while [ ! -f "$tree/CMakeCache.txt" ]; do
        [ "$tree" = / ] && die "$program lies in no build tree (set TORVANE_WINE_TREE)"
        tree=$(dirname "$tree")
      done
    fi
    use_tree "$tree"
    make_prefix
    # The first program of a wine session starts wine's own services
    # (services.exe, explorer.exe, ...), which inherit its output and keep
    # it open until the session ends: given CTest's pipes, they would hold
    # the test up until the last test has run. So wine writes into files,
    # which tail passes on as they grow (a test that CTest stops for taking
    # too long still shows how far it came), the C runtime's CR LF line
    # ends made Unix ones for CTest and the listing of the tests.
    output=$(mktemp "$state/output.XXXXXX") || die "cannot write in $state"
    trap 'rm -f "$output" "$output.err"' EXIT
    : >"$output.err"
    wine "$program" "$@" >"$output" 2>"$output.err" &
    pid=$!
    tail -n +1 -s 0.05 --pid="$pid" -f "$output" | sed -u 's/\r$//' &
    tail -n +1 -s 0.05 --pid="$pid" -f "$output.err" | sed -u 's/\r$//' >&2 &
    wait "$pid"
    status=$?
    wait
    exit "$status"
    ;;
esac
