#!/usr/bin/env bash
# window_test.sh -- the SDL backend in a real window under Xvfb: keys reach the game,
# Escape ends it, and the window shows exactly what the headless shot of that frame shows.
# Usage: window_test.sh GAME_BINARY DATA_FOLDER   (run under xvfb-run)
set -euo pipefail
game=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# The demo's first map opens with a cut-scene, where Escape does nothing: start on the
# village square instead, whose map starts without one.
first_map=(--map 21 --hero-x 100)

start_game() {  # args for the game; sets pid and wid
  (cd "$data" && exec timeout -s KILL 60 "$game" --window --scale 1 "${first_map[@]}" "$@") &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pelmo$' | head -n 1) || fail "no window"
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
}

hold() {  # key seconds: hold a key for a while (at least two frames)
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.1
}

# 1. Keys reach KeyState (seen through the recorded key script), and Escape ends the game.
start_game --record "$work/rec.keys" --dump "$work/keys.json"
sleep 0.3
hold space 0.2
hold Left 0.2
hold KP_Left 0.2
hold F1 0.2
hold Escape 0.2
wait "$pid" || fail "the game did not end with status 0 on Escape"
for expected in "SPACE down" "SPACE up" "LEFT down" "LEFT up" "NUMPAD4 down" "F1 down" "ESCAPE down"; do
  grep -q " $expected\$" "$work/rec.keys" || fail "key change '$expected' not seen: $(cat "$work/rec.keys")"
done
echo "ok: keys reach the game and Escape ends it"

# 2. The window shows, pixel for pixel, the headless shot of the same frame. The game is
# frozen while the screenshot is taken; the frame is found among the headless shots. The
# snow never rests and the window may be caught between a palette change and the next flip,
# so the rows that stand still are compared: the status bar, the bottom 126 rows of the
# screen, through the fade's palette of that frame.
seed=7
shots=()
for n in $(seq 1 240); do shots+=(--shot "$n:$work/h$n.png"); done
(cd "$data" && "$game" --headless "${first_map[@]}" --seed $seed --frames 240 "${shots[@]}") || fail "headless run"
matched=""
for attempt in 1 2 3; do
  start_game --seed $seed
  # At once: inside the first second, before the frame counter first changes.
  kill -STOP "$pid"
  import -window "$wid" "$work/window.png"
  kill -CONT "$pid"
  kill -TERM "$pid"  # SDL turns it into a close request
  wait "$pid" || true
  size=$(identify -format '%wx%h' "$work/window.png")
  [[ $size == 640x480 ]] || fail "window picture is $size, not 640x480"
  convert "$work/window.png" -crop 640x126+0+354 +repage "$work/window-bar.png"
  for n in $(seq 1 240); do
    convert "$work/h$n.png" -crop 640x126+0+354 +repage "$work/bar.png"
    if [[ $(compare -metric AE "$work/window-bar.png" "$work/bar.png" null: 2>&1 || true) == 0 ]]; then
      matched=$n
      break
    fi
  done
  [[ -n $matched ]] && break
done
[[ -n $matched ]] || fail "the window matches no headless frame"
echo "ok: the window equals the headless shot of frame $matched (the first frame that looks so)"
