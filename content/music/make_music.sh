#!/usr/bin/env bash
# make_music.sh -- renders tune.notes with our synthesiser (tools/synth) and encodes it with
# LAME into 1.mp3, the game's music. 1.mp3 is committed and the build only copies it, so
# this is needed only after changing the tune. Needs the Debian package lame (not part of
# the build's dependencies: apt-get install lame).
#
#   content/music/make_music.sh [SYNTH]        SYNTH defaults to build/bin/synth
#   cmake --build BUILD --target render_music  the same, with BUILD's synth
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
synth="${1:-$here/../../build/bin/synth}"

if [ ! -x "$synth" ]; then
  echo "make_music.sh: no synthesiser at $synth (build the synth target first)" >&2
  exit 1
fi
if ! command -v lame >/dev/null; then
  echo "make_music.sh: lame is missing (apt-get install lame)" >&2
  exit 1
fi

wav="$(mktemp --suffix=.wav)"
trap 'rm -f "$wav"' EXIT
# -3 dBFS leaves room for the peaks that MP3 encoding adds.
"$synth" --peak -3 "$here/tune.notes" "$wav"
# Variable bit rate around 130 to 160 kbit/s, 44.1 kHz stereo; no tags.
lame --quiet -V4 --noreplaygain "$wav" "$here/1.mp3"
echo "make_music.sh: wrote $here/1.mp3 ($(stat -c %s "$here/1.mp3") bytes)"
