#!/usr/bin/env bash
# launcher_window_test.sh -- `Quenmar` in a real window under Xvfb: its window with the
# picture, two clicks on "game start" start two games, the home page goes to the opener, no
# ended game stays a zombie, failures show a message box and the launcher goes on, and
# "quit" ends it; started from another folder, it still starts the game beside itself.
# Usage: launcher_window_test.sh QUENMAR DATA_FOLDER [SCREENSHOT]   (run under xvfb-run)
set -euo pipefail
quenmar=$(realpath "$1")
data=$(realpath "$2")
screenshot=${3:+$(realpath "$3")}
work=$(mktemp -d)
launcher=""
guard=""
cleanup() {
  [[ -n $launcher ]] && kill -KILL "$launcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# Centres of the buttons in the window, in pixels.
command1=(140 192)
command2=(140 208)
command3=(140 224)

# A folder like the data folder, with a stand-in game that notes its process id.
folder=$work/data
mkdir -p "$folder" "$work/bin"
for file in readme.txt launcher.gif launcher_icon.png; do
  cp "$data/$file" "$folder/" || fail "$data/$file missing: build the target launcher_data"
done
printf '#!/bin/sh\necho $$ >> started.txt\nsleep 2\n' >"$folder/game.ex"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened.txt"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$folder/game.ex" "$work/bin/xdg-open"
# The launcher lies beside the game it starts, as in the data folder of a release.
cp "$quenmar" "$folder/Quenmar"
quenmar=$folder/Quenmar

start_launcher() {  # folder; sets launcher (the launcher's pid) and wid
  (cd "$1" && PATH="$work/bin:$PATH" exec timeout -s KILL 60 "$quenmar") &
  guard=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quenmar' | head -n 1) ||
    fail "no window"
  launcher=$(pgrep -P "$guard") || fail "no launcher process under its timeout"
}

visible_windows() { xdotool search --onlyvisible --name '^Quenmar' 2>/dev/null | wc -l; }

click() {  # x y
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep 0.3
}

wait_for() {  # seconds command...: polls until the command succeeds
  local tries=$(($1 * 10))
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

line_count() { [[ -f $1 ]] && wc -l <"$1" || echo 0; }
has_lines() { [[ $(line_count "$1") -eq $2 ]]; }
alert_shown() { [[ $(visible_windows) -eq 2 ]]; }
alert_gone() { [[ $(visible_windows) -eq 1 ]]; }
launcher_ended() { ! kill -0 "$launcher" 2>/dev/null; }

close_alert() {
  local alert
  alert=$(xdotool search --onlyvisible --name '^Quenmar' | grep -v "^$wid\$" | head -n 1)
  xdotool windowfocus --sync "$alert" 2>/dev/null || xdotool windowfocus "$alert"
  xdotool key Return
  wait_for 5 alert_gone || fail "the message box did not close"
}

# 1. The window: caption, client size and the picture drawn in the picture box.
start_launcher "$folder"
[[ $(xdotool getwindowname "$wid") == "Quenmar 런쳐" ]] || fail "caption $(xdotool getwindowname "$wid")"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ "${WIDTH}x${HEIGHT}" == 473x233 ]] || fail "client area ${WIDTH}x${HEIGHT}, not 473x233"
sleep 0.5
import -window "$wid" "$work/window.png"
convert "$work/window.png" -crop 189x229+282+2 +repage "$work/picture.png"
difference=$(compare -metric AE "$work/picture.png" "$data/launcher.gif" null: 2>&1 || true)
[[ $difference == 0 ]] || fail "the picture box does not show launcher.gif ($difference pixels differ)"
icon=$(xprop -id "$wid" _NET_WM_ICON 2>/dev/null | head -c 200 || true)
[[ $icon == *"Icon (32 x 32)"* ]] || fail "no 32 x 32 icon: ${icon:0:60}"
[[ -n $screenshot ]] && cp "$work/window.png" "$screenshot"
echo "ok: the window is 473 x 233 with its caption, picture and icon"

# 2. Two clicks on Command1 start two games; the launcher stays.
click "${command1[@]}"
click "${command1[@]}"
wait_for 5 has_lines "$folder/started.txt" 2 || fail "games started: $(line_count "$folder/started.txt"), not 2"
[[ $(sort -u "$folder/started.txt" | wc -l) -eq 2 ]] || fail "the two games share a process id"
kill -0 "$launcher" 2>/dev/null || fail "the launcher ended when the game started"
echo "ok: two clicks started two game processes"

# 3. Command2 hands the home page address to the opener, as its one argument.
click "${command2[@]}"
wait_for 5 has_lines "$work/opened.txt" 1 || fail "the opener was not started with one argument"
grep -q '^https://' "$work/opened.txt" || fail "the opener got $(cat "$work/opened.txt")"
echo "ok: the home page went to xdg-open"

# 4. Ended games are reaped while the launcher runs.
sleep 2.5
zombies=$(ps -o stat= --ppid "$launcher" | grep -c '^Z' || true)
[[ $zombies -eq 0 ]] || fail "$zombies zombie children"
echo "ok: no zombies after the games ended"

# 5. A game that cannot be started: a message box, and the launcher goes on.
chmod -x "$folder/game.ex"
click "${command1[@]}"
wait_for 5 alert_shown || fail "no message box for a game that cannot start"
kill -0 "$launcher" 2>/dev/null || fail "the launcher ended on a failed start"
close_alert
echo "ok: a failed start shows a message box and the launcher goes on"

# 6. Command3 ends the launcher at once, with status 0.
click "${command3[@]}"
wait_for 5 launcher_ended || fail "the launcher did not end on Command3"
wait "$guard" || fail "the launcher did not end with status 0"
launcher=""
echo "ok: Command3 ends the launcher"

# 7. Without readme.txt: a message box, then the window with an empty text box.
mkdir "$work/empty"
start_launcher "$work/empty"
wait_for 5 alert_shown || fail "no message box for a missing readme.txt"
close_alert
kill -0 "$launcher" 2>/dev/null || fail "the launcher ended without its read-me"
echo "ok: a missing readme.txt shows a message box and the launcher goes on"

# 8. From that folder the game started is still the one beside the launcher, run there.
chmod +x "$folder/game.ex"
click "${command1[@]}"
wait_for 5 has_lines "$work/empty/started.txt" 1 ||
  fail "the game beside the launcher was not started from another folder"
echo "ok: started from another folder, the launcher starts the game beside itself"
click "${command3[@]}"
wait_for 5 launcher_ended || fail "the launcher did not end on Command3"
launcher=""
