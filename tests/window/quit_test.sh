#!/usr/bin/env bash
# quit_test.sh -- the game in a window on a display server of its own leaves cleanly: when
# SIGTERM and the end of the display server come together (a desktop session ending), and
# when it is closed while stalled in a slow read of a map picture.
# Usage: quit_test.sh GAME_BINARY DATA_FOLDER SLOW_READ_LIBRARY
set -uo pipefail
game=$1
data=$2
slow_read=$3
xvfb=""
work=$(mktemp -d)
cleanup() {
  [[ -n $xvfb ]] && kill -KILL "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_display() {  # sets xvfb and DISPLAY
  # Xvfb picks a free display number itself and writes it to -displayfd: with other tests
  # starting display servers at the same moment, a number chosen here could be taken twice.
  local number=$work/display.$RANDOM
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    if [[ -s $number ]] && export DISPLAY=":$(head -1 "$number")" && xdpyinfo >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  fail "no display server could be started"
}

start_game() {  # folder, then args for the game; sets pid
  local folder=$1
  shift
  (cd "$folder" && exec timeout -s KILL 60 "$game" --window --scale 1 "$@") &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name '^Pelmo$' >/dev/null || fail "no window"
}

# Waits up to $2 seconds for process $1 to end; its status in status, 124 when it did not.
ended_within() {
  local t
  for t in $(seq $(($2 * 10))); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      status=$?
      return 0
    fi
    sleep 0.1
  done
  status=124
  return 1
}

# 1. SIGTERM to the game and the end of the display server at once, five times.
for try in 1 2 3 4 5; do
  start_display
  start_game "$data" --map 21 --hero-x 100
  sleep 0.5
  kill -TERM "$pid" "$xvfb"
  ended_within "$pid" 5 || fail "try $try: the game still ran 5 s after SIGTERM and the display's end"
  (( status < 128 )) || fail "try $try: the game ended by signal $((status - 128))"
  wait "$xvfb" 2>/dev/null
  xvfb=""
done
echo "ok: SIGTERM with the display server's end ends the game, five tries of five"

# 2. Closed while a read of the map picture stalls for 3 s (slow_read.cpp): the game finishes
# the read, then leaves, with status 0.
start_display
# A game built with AddressSanitizer accepts the library in front of its runtime.
asan_options=${ASAN_OPTIONS-}
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
export PELMO_SLOW_FILE=/map/21.res PELMO_SLOW_SECONDS=3 LD_PRELOAD=$slow_read
start_game "$data" --map 21 --hero-x 100
unset PELMO_SLOW_FILE PELMO_SLOW_SECONDS LD_PRELOAD
ASAN_OPTIONS=$asan_options
sleep 2.5
kill -TERM "$pid"
ended_within "$pid" 10 || fail "the game did not end after its slow read"
[[ $status == 0 ]] || fail "closed during a slow read, the game ended with status $status"
echo "ok: closed during a slow read, the game ends cleanly"
