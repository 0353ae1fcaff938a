#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The built torvane.exe from outside, as a player, the desktop and a shell
# see it: the game runs as a process of its own under wine, in the build
# tree's prefix and on its private display (wine-run.sh), torvane_probe
# works its windows from a second process, and the game's exit status and
# output are what a caller gets.
#   exe_test.sh CHECK TORVANE_EXE PROBE_EXE TREE VERSION
# CHECK is one of
#   StartsAndShowsItsVersion  the main window's title and About's version
#                             line, About closing on a key, what a screen
#                             reader in another process reads, File > Exit
#   LinksReachTheDesktop      Help's two links reach the desktop's opener
#                             (xdg-open) and mail program (xdg-email)
#   EndsWithStatusZero        File > Exit, the close box and a log-off, the
#                             last also with a message box, About or help open
#   CommandLine               --version, --help and an unknown option, from a
#                             desktop (a box), a console and a terminal
set -u
check=$1 exe=$2 probe_exe=$3 tree=$4 version=$5
here=$(cd "$(dirname "$0")" && pwd)
run=$here/wine-run.sh
# The probe runs through wine-run.sh as CTest's emulator, which takes the
# prefix and display of this tree (the game may have been built elsewhere).
export TORVANE_WINE_TREE=$tree
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

# shellcheck source=checks.sh
. "$here/checks.sh"

# Starts the game with ARGUMENTS.
start_game() {
  start wine "$exe" "$@"
}

# A log-off, as the desktop session ends: wineboot sends each window
# WM_QUERYENDSESSION and WM_ENDSESSION, and then terminates, with status 0,
# any program still running. So the game's status alone would not tell
# whether it ended itself; wineboot's trace tells when it had to terminate
# one (the game is the only program with windows on this display).
log_off() {
  "$run" --run-in "$tree" env WINEDEBUG=trace+wineboot wineboot --end-session \
    >"$work/wineboot.log" 2>&1 || fail "wineboot --end-session failed: $(cat "$work/wineboot.log")"
  if grep -q 'terminating process' "$work/wineboot.log"; then
    fail "the game did not end on the log-off: wineboot terminated it"
  fi
}

title="   Diduvor 3/1 V$version"

starts_and_shows_its_version() {
  start_game
  expect_text "main window title" "$(probe title)" "$title"
  probe menu about
  expect_text "About" "$(probe about)" "Version $version"
  # probe about typed a key, which closes About.
  if probe gone TorvaneAbout; then
    pass "About closed on a key"
  else
    fail "About still shows after a key"
  fi
  # What a screen reader in another process reads (the object crosses
  # processes through oleacc's marshalling).
  expect_text "a bet box's accessible name" "$(probe read lblleft | head -n 1)" \
    "Left column stake: 0"
  expect_text "a cell's accessible description" "$(probe read lbl0_5 | tail -n 1)" \
    "Number 5 on the table. Clicking it does nothing."
  probe menu exit
  expect_end 0 "File > Exit"
}

# Stand-ins for the desktop's opener and mail program, first on the game's
# PATH, write down how they were called. The shell's "open" of an http: or
# mailto: address runs wine's winebrowser, which tries the programs listed
# under HKCU\Software\Wine\WineBrowser. Its defaults try /usr/bin/open
# before xdg-email for mail, and on Debian /usr/bin/open is the real
# xdg-open, found whatever PATH says; so both lists are set to the one
# freedesktop program each, and a link that goes astray starts no real
# browser either.
links_reach_the_desktop() {
  mkdir -p "$work/bin"
  local tool
  for tool in xdg-open xdg-email; do
    cat >"$work/bin/$tool" <<EOF
#!/bin/sh
{ printf '%s' $tool; printf ' [%s]' "\$@"; echo; } >>"$work/opened"
EOF
    chmod +x "$work/bin/$tool"
  done
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineBrowser]' \
    '"Browsers"="xdg-open"' '"Mailers"="xdg-email"' >"$work/browsers.reg"
  # Z: is the root of the Linux file system in a wine prefix.
  "$run" --run-in "$tree" wine reg import "Z:${work//\//\\}\\browsers.reg" \
    >"$work/reg.log" 2>&1 || fail "could not set the WineBrowser lists: $(cat "$work/reg.log")"
  : >"$work/opened"
  PATH=$work/bin:$PATH start_game
  probe title >/dev/null
  opened "email" "xdg-open [http://www.example.org/torvane/]" 1
  opened "mailme" "xdg-email [mailto:winning-methods@example.org]" 2
  expect_text "main window after the links" "$(probe title)" "$title"
  probe menu exit
  expect_end 0 "File > Exit after the links"
}

# Chooses menu item $1, waits until the stand-ins have been called $3
# times, and checks that the last call was $2.
opened() {
  probe menu "$1"
  for _ in $(seq 100); do
    [ "$(wc -l <"$work/opened")" -ge "$3" ] && break
    sleep 0.1
  done
  local calls last
  calls=$(wc -l <"$work/opened")
  last=$(tail -n 1 "$work/opened")
  if [ "$calls" -ne "$3" ]; then
    fail "Help > $1: $calls calls of the stand-ins, not $3: $(cat "$work/opened")"
  else
    expect_text "Help > $1" "$last" "$2"
  fi
}

ends_with_status_zero() {
  start_game
  probe title >/dev/null
  probe menu exit
  expect_end 0 "File > Exit"

  start_game
  probe title >/dev/null
  probe close
  expect_end 0 "the close box"

  start_game
  probe title >/dev/null
  log_off
  expect_end 0 "a log-off"

  start_game
  probe press cmdtransfer
  expect_line "message box before the log-off" <(probe box keep) "There is no winnings to transfer."
  log_off
  expect_end 0 "a log-off with a message box open"

  start_game
  probe menu about
  expect_text "About before the log-off" "$(probe about keep)" "Version $version"
  log_off
  expect_end 0 "a log-off with About open"

  start_game
  probe menu help
  if probe help >/dev/null; then
    pass "help shows"
  else
    fail "no help window"
  fi
  log_off
  expect_end 0 "a log-off with help open"
}

# The texts that the command line's options show, as first lines and a
# later line of each.
usage_line="Usage: torvane [options]"
version_line="torvane $version"
licence_line="License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>."
error_line="torvane: unknown option '--bogus'"

# Ends a command that still runs after 10 seconds (it answers within one
# or two): it showed a box instead of writing to its console; OK in that
# box ends the game behind it.
finish_or_close_box() {
  if ! finish 10; then
    fail "$1: still running after 10 seconds (a box instead of the console?)"
    probe box >/dev/null
    return 1
  fi
}

# What the game must answer to option $1: its exit status (want), and the
# first and last lines of what it says (first, last).
expectations_for() {
  case $1 in
    --version) want=0 first=$version_line last=$licence_line ;;
    --help) want=0 first=$usage_line last="  -v, --version  Show the version and exit." ;;
    --bogus) want=2 first=$error_line last="Try 'torvane --help' for more." ;;
  esac
}

command_line() {
  # From the desktop (CTest's pipes: no console), each answer comes in a
  # box with the game's name on it, and the game then ends.
  local option want first last
  for option in --version --help --bogus; do
    expectations_for "$option"
    start_game "$option"
    probe box >"$work/box"
    expect_line "box of $option: title" "$work/box" "Torvane"
    expect_line "box of $option" "$work/box" "$first"
    expect_line "box of $option" "$work/box" "$last"
    expect_end "$want" "$option from the desktop"
    cat "$work/out" "$work/err" >"$work/output"
    expect_no_text "$option from the desktop: output" "$work/output" "$first"
  done

  # From a console program (cmd, as from a Windows console, with CTest's
  # pipes for its output), the answer goes to standard output, an error to
  # standard error.
  for option in --version --help --bogus; do
    expectations_for "$option"
    # shellcheck disable=SC2016 # the inner shell expands its arguments
    start sh -c 'cd "$1" && exec wine cmd /c "$2" "$3"' sh "$(dirname "$exe")" \
      "$(basename "$exe")" "$option"
    finish_or_close_box "$option from cmd" || continue
    if [ "$status" = "$want" ]; then
      pass "$option from cmd: status $status"
    else
      fail "$option from cmd: status $status, not $want"
    fi
    if [ "$option" = --bogus ]; then
      expect_line "$option from cmd: standard error" "$work/err" "$first"
      expect_line "$option from cmd: standard error" "$work/err" "$last"
      expect_no_text "$option from cmd: standard output" "$work/out" "$first"
    else
      expect_line "$option from cmd: standard output" "$work/out" "$first"
      expect_line "$option from cmd: standard output" "$work/out" "$last"
    fi
  done

  # From a terminal (script gives wine one), where wine makes the terminal
  # the game's console.
  start script -q -e -c "$(printf '%q ' wine "$exe" --version)" /dev/null
  if finish_or_close_box "--version in a terminal"; then
    if [ "$status" = 0 ]; then
      pass "--version in a terminal: status 0"
    else
      fail "--version in a terminal: status $status, not 0"
    fi
    # The terminal's text, without the console's escape sequences.
    sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' "$work/out" >"$work/terminal"
    expect_line "--version in a terminal" "$work/terminal" "$version_line"
    expect_line "--version in a terminal" "$work/terminal" "$licence_line"
  fi
}

case $check in
  StartsAndShowsItsVersion) starts_and_shows_its_version ;;
  LinksReachTheDesktop) links_reach_the_desktop ;;
  EndsWithStatusZero) ends_with_status_zero ;;
  CommandLine) command_line ;;
  *)
    echo "exe_test.sh: no check $check" >&2
    exit 2
    ;;
esac
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
