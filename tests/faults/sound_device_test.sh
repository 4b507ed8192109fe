#!/usr/bin/env bash
# sound_device_test.sh -- the SDL backend without a sound device, and with a "1.mp3" of garbage
# bytes: the game plays on in silence (music state 2 and -1), with no message box, and exits 0;
# without the device one line on stderr says that the music is off.
# Usage: sound_device_test.sh GAME_BINARY FONT_FOLDER   (run under xvfb-run)
set -euo pipefail
game=$(realpath "$1")
fonts=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$work"
mkdir -p grim map
cp "$fonts"/EngFont.fnt "$fonts"/HanFont.fnt "$fonts"/han.inf grim/
head -c $((768 + 65536)) /dev/zero >grim/pal.pal
head -c $((1280 * 177)) /dev/zero >map/20.res
head -c $((800 * 240)) /dev/zero >grim/bg.res
head -c 20160 /dev/zero >grim/bar.res
printf '20\r\n\r\n0\r\n0\r\n' >map/20.if

play() {  # audio driver, expected music state, expected lines saying the music is off
  rm -f s.json
  SDL_AUDIODRIVER=$1 timeout -s KILL 60 "$game" --window --scale 1 --frames 30 --dump s.json \
    2>stderr.txt || fail "driver '$1': exit status $?"
  [[ $(grep -c '^game: no sound device; the music is off$' stderr.txt) == "$3" ]] ||
    fail "driver '$1': not $3 line(s) saying the music is off: $(cat stderr.txt)"
  grep -q '"frames": 30,' s.json || fail "driver '$1': the game did not run 30 frames: $(cat s.json)"
  grep -q "\"music\": {\"state\": $2," s.json || fail "driver '$1': music $(grep -o '"music": {[^}]*}' s.json)"
  grep -q '"messages": \[\]' s.json || fail "driver '$1': a message was shown"
}

# No such audio driver: SDL has no sound device to open.
head -c 100000 /dev/zero | tr '\0' '\377' >1.mp3
play no-such-sound-device 2 1
echo "ok: without a sound device the game plays in silence (state 2)"

# A sound device that takes anything, and a music file of garbage bytes.
head -c 100000 /dev/zero | tr '\0' '\247' >1.mp3
play dummy -1 0
echo "ok: a music file of garbage leaves the game silent (state -1)"
