#!/usr/bin/env bash
# make_screens.sh -- shots of every demo map and of both cut-scenes, as a player sees them
# (the 320 x 240 view doubled), into content/screens/. Run after `scripts/build`.
# Each map is started with `game --map` near one of its people, who is spoken to; the
# cut-scenes are started by a one-event map written into a copy of the data folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=$top/build/bin
out=$top/content/screens
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$top/build/data" "$work/data"

shoot() {  # name map hero-x frame key-script-lines...
  local name=$1 map=$2 x=$3 frame=$4
  shift 4
  printf '%s\n' "$@" >"$work/$name.keys"
  (cd "$work/data" && "$bin/game" --headless --seed 1 --map "$map" --hero-x "$x" \
    --input "$work/$name.keys" --frames "$frame" --shot "$frame:$out/$name.png")
  echo "screens: $name.png"
}

# The first map: the opening is skipped with the key 1, then the hero walks in and speaks.
shoot map20 20 10 200 "2 1 down" "12 1 up"
# The square, the lake, the valley and the hill: the hero turns right (a one-frame step)
# and speaks to the person in front.
shoot map21 21 560 150 "40 RIGHT down" "41 RIGHT up" "60 SPACE down" "61 SPACE up"
shoot map24 24 410 150 "40 RIGHT down" "41 RIGHT up" "60 SPACE down" "61 SPACE up"
shoot map37 37 980 150 "40 RIGHT down" "41 RIGHT up" "60 SPACE down" "61 SPACE up"
shoot map42 42 760 150 "40 RIGHT down" "41 RIGHT up" "60 SPACE down" "61 SPACE up"
# The forest: the hero walks into the fox.
shoot map35 35 440 160 "60 RIGHT down" "120 RIGHT up"

# The lit lantern: the walkthrough replayed to a second before the ending cut-scene, whose
# first frame is found by halving (the hill is the last map, and the scene its last event).
walkthrough=$top/content/walkthrough.keys
ending_started() {  # frame
  (cd "$work/data" && "$bin/game" --headless --input "$walkthrough" --frames "$1" --dump "$work/probe.json")
  grep -q '"mapName": "42"' "$work/probe.json" && grep -q '"visual": {"playing": 1' "$work/probe.json"
}
(cd "$work/data" && "$bin/game" --headless --input "$walkthrough" --dump "$work/end.json")
lo=1
hi=$(grep -o '"frames": [0-9]*' "$work/end.json" | grep -o '[0-9]*$')
while ((lo < hi)); do
  mid=$(((lo + hi) / 2))
  if ending_started "$mid"; then hi=$mid; else lo=$((mid + 1)); fi
done
frame=$((lo - 60))
(cd "$work/data" && "$bin/game" --headless --input "$walkthrough" --frames "$frame" \
  --shot "$frame:$out/lantern.png")
echo "screens: lantern.png"

# The cut-scenes, each from a map whose entry event plays it.
for scene in opening ending; do
  printf '20\n\n0\n1\n99\n비주얼모드 %s\n99\n' "$scene" >"$work/$scene.map"
  "$bin/txt2cp949" "$work/$scene.map" "$work/data/map/shot_$scene.if"
  shoot "$scene" "shot_$scene" 10 160
done
