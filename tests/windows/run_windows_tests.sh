#!/usr/bin/env bash
# run_windows_tests.sh -- the Windows programs under Wine. game.exe plays the same small games
# as the Linux game to the same dumps, shots and messages; game.exe in a window on DirectDraw
# takes held keys, shows the expected picture at 60 frames a second and plays its music
# through DirectShow; the launcher shows its window and starts "game.ex"; the tools write
# what the Linux tools write. Judged by the programs' own output, never by Wine's exit status
# (Wine says 0 also when it cannot start a program). Ends with "N passed, N failed".
#
# Usage: run_windows_tests.sh LINUX_BUILD WINDOWS_BUILD
#   LINUX_BUILD    a Linux build with bin/game and bin/windows_scenarios
#   WINDOWS_BUILD  the Windows build (bin/game.exe, Quenmar.exe, the tools, the probes, data/)
set -uo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
source_dir=$(realpath "$(dirname "$0")/../..")
started=$SECONDS

passed=0
failed=0
pass() {
  echo "ok: $*"
  passed=$((passed + 1))
}
fail() {
  echo "FAIL: $*"
  failed=$((failed + 1))
}
finish() {
  echo "windows: $((SECONDS - started)) s"
  echo "$passed passed, $failed failed"
  ((failed == 0))
  exit
}

for program in wine Xvfb xdotool import compare; do
  command -v "$program" >/dev/null || {
    fail "$program is missing"
    finish
  }
done

work=$(mktemp -d /tmp/pelmo-windows.XXXXXX)
xvfb=""
background=()
cleanup() {
  for pid in "${background[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  WINEPREFIX=$work/prefix timeout -s KILL 20 wineserver -k 2>/dev/null
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A fresh prefix of its own, quiet, with no debugger to wait on a crash, no downloads of
# .NET or the HTML engine, a null sound device for DirectShow and a display of its own.
mkdir -p "$work/home"
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

t=$SECONDS
timeout -s KILL 180 wine wineboot -i >/dev/null 2>&1
# DirectDraw on the processor (no OpenGL under Xvfb); Gulim, the Korean font of Windows,
# is a Nanum font here.
cat >"$work/settings.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Direct3D]
"renderer"="gdi"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Gulim"="NanumGothic"
EOF
timeout -s KILL 60 wine regedit /S "$(winepath -w "$work/settings.reg" 2>/dev/null)" >/dev/null 2>&1
timeout -s KILL 60 wineserver -w
if [[ -d $WINEPREFIX/drive_c/windows ]]; then
  pass "a fresh Wine prefix in $((SECONDS - t)) s"
else
  fail "wineboot made no prefix"
  finish
fi

wine_run() {  # seconds program args...: runs a Windows program, bounded
  local limit=$1
  shift
  timeout -s KILL "$limit" wine "$@"
}

same_pictures() {  # a b: true when the two pictures have the same size and pixels
  [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]
}

# 1. Headless: every small game gives the same dump, shots, key record and messages.
play_both() {  # name folder args...: plays the folder's game with both programs, compares
  local name=$1 folder=$2
  shift 2
  cp -r "$folder" "$work/linux-$name"
  cp -r "$folder" "$work/windows-$name"
  (cd "$work/linux-$name" && timeout -s KILL 120 "$linux/bin/game" "$@" 2>stderr.txt)
  (cd "$work/windows-$name" && wine_run 120 "$windows/bin/game.exe" "$@" 2>stderr.raw)
  # The Windows C library ends stderr's lines with CR LF; the sound library speaks for Wine.
  grep -v '^ALSA lib' "$work/windows-$name/stderr.raw" | tr -d '\r' >"$work/windows-$name/stderr.txt"
  local problems=() file
  for file in $(cd "$work/linux-$name" && ls s.json rec.keys stderr.txt *.png 2>/dev/null); do
    case $file in
      *.png) [[ -f $work/windows-$name/$file ]] &&
        same_pictures "$work/linux-$name/$file" "$work/windows-$name/$file" || problems+=("$file") ;;
      *) cmp -s "$work/linux-$name/$file" "$work/windows-$name/$file" || problems+=("$file") ;;
    esac
  done
  [[ -s $work/linux-$name/s.json ]] || problems+=("(no dump from the Linux game)")
  if ((${#problems[@]} == 0)); then
    pass "headless '$name': game.exe leaves what the Linux game leaves"
  else
    fail "headless '$name': differs in ${problems[*]}"
  fi
}

t=$SECONDS
scenarios=$work/scenarios
"$linux/bin/windows_scenarios" "$scenarios" || fail "windows_scenarios"
for dir in "$scenarios"/*/; do
  name=$(basename "$dir")
  [[ $name == window ]] && continue
  mapfile -t args <"$dir/args"
  play_both "$name" "$dir" "${args[@]}"
done
# The demo game, when the Linux build has made its data folder: the whole walkthrough.
if [[ -f $linux/data/map/20.if && -f $source_dir/content/walkthrough.keys ]]; then
  cp "$source_dir/content/walkthrough.keys" "$work/walkthrough.keys"
  play_both demo "$linux/data" --headless --seed 1 --input ../walkthrough.keys --dump s.json \
    --shot 600:a.png --shot 3000:b.png --shot 6000:c.png --shot 9000:d.png
fi
echo "windows: headless games in $((SECONDS - t)) s"

# 2. The window on DirectDraw, the keyboard on DirectInput and the music on DirectShow.
game_dir=$scenarios/window
start_game() {  # args: game.exe in a window; sets pid and wid
  (cd "$game_dir" && exec timeout -s KILL 90 wine "$windows/bin/game.exe" --window --scale 1 "$@" \
    2>>"$work/window.err") &
  pid=$!
  background+=("$pid")
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pelmo$' | head -n 1)
  [[ -n $wid ]] && { xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"; }
}
end_game() {  # seconds: waits for the game to end on its own
  for _ in $(seq $(($1 * 10))); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null
  return 1
}
hold() {  # key seconds: held long enough for a keyboard that is polled once a frame
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.15
}
number() {  # json key
  grep -o "\"$2\": [-0-9.]*" "$1" | head -n 1 | cut -d' ' -f2
}

t=$SECONDS
start_game --record "$work/rec.keys" --dump "$work/keys.json"
if [[ -z $wid ]]; then
  fail "game.exe opened no window: $(tr -d '\r' <"$work/window.err" | grep -v '^ALSA' | head -c 300)"
else
  sleep 1.5
  hold space 0.4
  hold Left 0.4
  hold KP_Left 0.4
  hold F1 0.4
  # Pressed and released at once, most often between two reads: still seen.
  xdotool key --delay 0 F2
  sleep 0.15
  hold Escape 0.4
  end_game 20 || fail "game.exe did not end on Escape"
  missing=()
  for expected in "SPACE down" "SPACE up" "LEFT down" "LEFT up" "NUMPAD4 down" "F1 down" "F2 down" \
    "ESCAPE down"; do
    grep -q " $expected\$" "$work/rec.keys" 2>/dev/null || missing+=("$expected")
  done
  if ((${#missing[@]} == 0)) && [[ -s $work/keys.json ]]; then
    pass "held and tapped keys reach game.exe through DirectInput, and Escape ends it"
  else
    fail "keys not seen: ${missing[*]} (record: $(tr '\n' '|' <"$work/rec.keys" 2>/dev/null))"
  fi
fi

# The window shows what the headless game shows: the rows that stand still (the status bar,
# the bottom 126 rows) after the fade. The game holds still while the picture is taken.
seed=7
(cd "$game_dir" && timeout -s KILL 120 "$linux/bin/game" --headless --seed $seed --frames 150 \
  --shot 150:"$work/headless.png")
start_game --seed $seed --frames 480 --dump "$work/window.json"
if [[ -n $wid ]]; then
  sleep 3
  winpid=$(pgrep -P "$pid" | head -n 1)  # the game under its timeout
  [[ -n $winpid ]] && kill -STOP "$winpid"
  import -window "$wid" "$work/window.png"
  [[ -n $winpid ]] && kill -CONT "$winpid"
  convert "$work/window.png" -crop 640x126+0+354 +repage "$work/window-bar.png" 2>/dev/null
  convert "$work/headless.png" -crop 640x126+0+354 +repage "$work/headless-bar.png"
  size=$(identify -format '%wx%h' "$work/window.png" 2>/dev/null)
  if [[ $size == 640x480 ]] && same_pictures "$work/window-bar.png" "$work/headless-bar.png"; then
    pass "the DirectDraw window shows the headless picture's status bar, pixel for pixel"
  else
    fail "the window ($size) does not show the headless picture"
  fi
  end_game 40 || fail "game.exe did not stop after 480 frames"
  frames=$(number "$work/window.json" frames)
  state=$(grep -o '"music": {[^}]*}' "$work/window.json" 2>/dev/null)
  position=$(echo "$state" | grep -o '"position": [0-9.]*' | cut -d' ' -f2)
  # The music keeps the wall clock's time: at 60 frames a second 480 frames take 8 s, and
  # the music, run just before the first frame, is then a little past 8 s (and short of
  # 9.5 s, where the loop check would take it back to its start).
  if [[ $frames == 480 && $state == *'"state": 0'* && $state == *'"running": 1'* ]] &&
    awk -v p="$position" 'BEGIN { exit !(p >= 7.8 && p < 9.5) }'; then
    pass "game.exe paces 480 frames at 60 a second; its music played $position s meanwhile"
  else
    fail "480 frames and their music: frames $frames, $state"
  fi
fi

# Full screen: 640 x 480 with 256 colours and a flip chain, in a Wine desktop of that size.
(cd "$game_dir" && exec timeout -s KILL 90 wine explorer /desktop=game,640x480 \
  "$(winepath -w "$windows/bin/game.exe")" --seed $seed --frames 300 \
  --dump "$(winepath -w "$work/full.json")" 2>>"$work/window.err") &
desktop=$!
background+=("$desktop")
dwid=$(timeout 60 xdotool search --sync --onlyvisible --name '^game - Wine desktop$' | head -n 1)
if [[ -n $dwid ]] && timeout 30 xdotool search --sync --onlyvisible --name '^Pelmo$' >/dev/null; then
  sleep 3
  import -window "$dwid" "$work/full.png"
  convert "$work/full.png" -crop 640x126+0+354 +repage "$work/full-bar.png" 2>/dev/null
  size=$(identify -format '%wx%h' "$work/full.png" 2>/dev/null)
  for _ in $(seq 300); do kill -0 "$desktop" 2>/dev/null || break; sleep 0.1; done
  if [[ $size == 640x480 ]] && same_pictures "$work/full-bar.png" "$work/headless-bar.png" &&
    [[ $(number "$work/full.json" frames) == 300 ]]; then
    pass "full screen on DirectDraw's flip chain shows the headless picture, and 300 frames pass"
  else
    fail "full screen: a $size picture, $(number "$work/full.json" frames) frames"
  fi
else
  fail "no full-screen game in a Wine desktop"
fi

# A start-up failure in a window: its message box, in Korean whatever the system's code
# page, over the window; Enter answers it and the game ends.
boxed=$work/boxed
cp -r "$game_dir" "$boxed"
rm "$boxed/grim/pal.pal"
(cd "$boxed" && exec timeout -s KILL 60 wine "$windows/bin/game.exe" --window --scale 1 --dump box.json \
  2>>"$work/window.err") &
pid=$!
background+=("$pid")
box=$(timeout 40 xdotool search --sync --onlyvisible --name '^Pelmo엔진$' | head -n 1)
if [[ -n $box ]]; then
  sleep 0.5
  import -window "$box" "$work/box.png" 2>/dev/null
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key --window "$box" Return
fi
end_game 20
if [[ -n $box ]] && grep -q '"messages": \[{"title": "Pelmo엔진", "text": "팔렛 로딩에러.."}\]' \
  "$boxed/box.json" 2>/dev/null; then
  pass "a start-up failure shows the box 'Pelmo엔진: 팔렛 로딩에러..' and the game ends when it is answered"
else
  fail "no start-up message box (window ${box:-none}; dump: $(head -c 200 "$boxed/box.json" 2>/dev/null))"
fi

probe=$(cd "$game_dir" && wine_run 60 "$windows/bin/music_probe.exe" 1.mp3 2>/dev/null | tr -d '\r')
if [[ $probe == $'duration 10.50\nposition 1.'*$'\nposition 10.5' ]]; then
  pass "DirectShow opens 1.mp3 with 10.50 s, runs it and rests at its end: $(echo $probe)"
else
  fail "the music probe says: $(echo $probe)"
fi
echo "windows: window tests in $((SECONDS - t)) s"

# 3. The launcher: its window, two starts of "game.ex" without taking the focus, and quit.
t=$SECONDS
folder=$work/launcher
mkdir -p "$folder"
cp "$windows/data/readme.txt" "$windows/data/launcher.gif" "$windows/data/launcher_icon.png" "$folder/"
cp "$windows/bin/start_mark.exe" "$folder/game.ex"
(cd "$folder" && exec timeout -s KILL 90 wine "$windows/bin/Quenmar.exe" 2>/dev/null) &
launcher=$!
background+=("$launcher")
lwid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quenmar' | head -n 1)
if [[ -z $lwid ]]; then
  fail "Quenmar.exe opened no window"
else
  sleep 1
  import -window "$lwid" "$work/launcher.png"
  size=$(identify -format '%wx%h' "$work/launcher.png")
  [[ $size == 473x233 ]] && pass "the launcher's client area is 473 x 233" ||
    fail "the launcher's window is $size"
  for _ in 1 2; do
    xdotool mousemove --window "$lwid" 140 192 click 1
    sleep 0.5
  done
  for _ in $(seq 100); do (($(wc -l <"$folder/started.txt" 2>/dev/null || echo 0) >= 2)) && break; sleep 0.1; done
  if (($(tr -d '\r' <"$folder/started.txt" 2>/dev/null | grep -c 'show 4$') == 2)); then
    pass "two clicks on the start button start game.ex twice, shown without taking the focus"
  else
    fail "game.ex starts: $(tr '\n' '|' <"$folder/started.txt" 2>/dev/null)"
  fi
  xdotool mousemove --window "$lwid" 140 224 click 1
  for _ in $(seq 100); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$launcher" 2>/dev/null; then fail "the quit button left the launcher open"; else
    pass "the quit button ends the launcher"
  fi
fi
# Keeps the screenshots where PELMO_WINDOWS_SHOTS names a folder.
[[ -n ${PELMO_WINDOWS_SHOTS:-} ]] &&
  cp "$work/launcher.png" "$work/window.png" "$work/full.png" "$work/box.png" "$PELMO_WINDOWS_SHOTS/" 2>/dev/null
echo "windows: launcher tests in $((SECONDS - t)) s"

# 4. The tools: a palette from a colour list, and a picture through PNG and back.
t=$SECONDS
tools=$work/tools
mkdir -p "$tools"
cp "$source_dir/content/palette/game.colours" "$scenarios/walk/grim/pal.pal" "$tools/"
head -c 192000 /dev/urandom >"$tools/far.res"
(cd "$tools" && "$linux/bin/mkpal" game.colours linux.pal >/dev/null 2>&1 &&
  "$linux/bin/res2png" --palette pal.pal far.res linux.png >/dev/null 2>&1)
(cd "$tools" && wine_run 60 "$windows/bin/mkpal.exe" game.colours windows.pal >/dev/null 2>&1
  wine_run 60 "$windows/bin/res2png.exe" --palette pal.pal far.res windows.png >/dev/null 2>&1
  wine_run 60 "$windows/bin/png2res.exe" --palette pal.pal windows.png back.res >/dev/null 2>&1)
if [[ -s $tools/linux.pal ]] && cmp -s "$tools/linux.pal" "$tools/windows.pal"; then
  pass "mkpal.exe writes the palette that mkpal writes"
else
  fail "mkpal.exe and mkpal differ"
fi
if [[ -s $tools/linux.png && -f $tools/windows.png ]] && same_pictures "$tools/linux.png" "$tools/windows.png" &&
  cmp -s "$tools/far.res" "$tools/back.res"; then
  pass "res2png.exe writes res2png's picture, and png2res.exe reads it back to the same bytes"
else
  fail "the picture tools on Windows differ from those on Linux"
fi
echo "windows: tools in $((SECONDS - t)) s"

finish
