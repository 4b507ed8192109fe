#!/usr/bin/env bash
# make_images.sh -- the pictures of docs/authoring.md, drawn from the built data folder by our
# own tools. Usage: docs/images/make_images.sh [BUILD_DIR] (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build}")
data=$build/data
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The hero's twelve frames.
"$bin/pack2png" --palette "$data/grim/pal.pal" "$data/grim/CHAR1" "$here/hero-frames.png"

# Each icon kind's six frames: a pack of its own cut from "bubble" (frames of 22 x 20).
for kind in 0 1 2 3 4 5 6 7; do
  printf '6\r\n' >"$work/icon.idx"
  for _ in 1 2 3 4 5 6; do printf '22 20\r\n' >>"$work/icon.idx"; done
  dd if="$data/grim/bubble.res" of="$work/icon.res" bs=440 skip=$((kind * 6)) count=6 status=none
  "$bin/pack2png" --palette "$data/grim/pal.pal" "$work/icon" "$here/icon-$kind.png"
done

# The first map of the demo game, with its labels, and a sprite pack of it.
"$bin/mapview" --data "$data" 20 -o "$here/map-20.png"
"$bin/pack2png" --palette "$data/grim/pal.pal" "$data/grim/postman" "$here/postman-frames.png"

# The walk-through's own pictures: its commands run as printed, in a folder of their own.
doc=$here/../authoring.md
awk '/^```sh first-map$/ { on = 1; next } on && /^```$/ { on = 0; next } on { print }' \
  "$doc" >"$work/walkthrough.sh"
ln -s "$build" "$work/build"
(cd "$work" && bash -euo pipefail walkthrough.sh >/dev/null)
cp "$work/51.png" "$here/first-map.png"
cp "$work/51-shot.png" "$here/first-map-shot.png"
