# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# What the tests of the Windows build from outside share (exe_test.sh,
# setup_test.sh source it): counting checks, running programs in the tree's
# wine environment and waiting for them. The sourcing script sets $run
# (wine-run.sh), $tree, $probe_exe and $work.

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() {
  echo "ok: $*"
}

# Runs torvane_probe; its output is what it saw.
probe() {
  "$run" "$probe_exe" "$@"
}

# Whether process $1 still runs (a zombie has ended).
running() {
  [ -e "/proc/$1" ] && ! grep -q '^[^(]*([^)]*) Z' "/proc/$1/stat" 2>/dev/null
}

# Runs COMMAND in the background in the tree's wine environment, with no
# input; its process is $job, its output in $work/out and $work/err.
# Through --run-in the process is wine's own, the game's process on the
# Linux side.
start() {
  "$run" --run-in "$tree" "$@" </dev/null >"$work/out" 2>"$work/err" &
  job=$!
}

# Waits up to $1 seconds (20 unless told) for $job to end and sets $status
# to its exit status; returns 1 (and ends it) if it is still running then.
finish() {
  for _ in $(seq "$((${1:-20} * 10))"); do
    running "$job" || break
    sleep 0.1
  done
  if running "$job"; then
    kill -KILL "$job"
    wait "$job" 2>/dev/null
    status=killed
    return 1
  fi
  wait "$job"
  status=$?
}

# Waits for the game to end and checks that it ended with status $1.
expect_end() {
  local want=$1 what=$2
  if ! finish; then
    fail "$what: the game still ran 20 seconds later"
  elif [ "$status" != "$want" ]; then
    fail "$what: the game ended with status $status, not $want"
  else
    pass "$what: the game ended with status $status"
  fi
}

# Checks that the text $2 is $3.
expect_text() {
  if [ "$2" = "$3" ]; then
    pass "$1: '$2'"
  else
    fail "$1: '$2', not '$3'"
  fi
}

# Checks that file $2 holds the line $3 (CRs aside).
expect_line() {
  if tr -d '\r' <"$2" | grep -q -x -F -- "$3"; then
    pass "$1: '$3'"
  else
    fail "$1: no line '$3' in: $(tr -d '\r' <"$2" | head -c 600)"
  fi
}

# Checks that file $2 does not contain the text $3.
expect_no_text() {
  if grep -q -F -- "$3" "$2"; then
    fail "$1: '$3' where it does not belong: $(head -c 600 "$2")"
  else
    pass "$1: no '$3'"
  fi
}

