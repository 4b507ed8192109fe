#!/usr/bin/env bash
# demo_seeds.sh -- seeds for the fuzz targets from the built demo game: its maps, cut-scene
# scripts, sprite packs, palettes, pictures, fonts, music and walkthrough keys, each in the
# form its target reads.
# Usage: demo_seeds.sh DATA_FOLDER OUT_FOLDER [KEY_SCRIPT...]
set -euo pipefail
data=$1
out=$2
shift 2
rm -rf "$out"
mkdir -p "$out"/{map,events,visual_script,sprite_pack,palette,fonts,pictures,text,mp3,key_script}

for f in "$data"/map/*.if; do
  [[ -f $f ]] || continue
  name=$(basename "$f")
  cp "$f" "$out/map/$name"
  cp "$f" "$out/events/$name"
  # The text target: four bytes of placement (not 'F', which would load fonts), then the text.
  { printf 'T\x30\x01\x40'; cat "$f"; } >"$out/text/$name"
done
# The visual target supplies the picture line itself.
for f in "$data"/visual/*.if; do
  [[ -f $f ]] && tail -n +2 "$f" >"$out/visual_script/$(basename "$f")"
done
# A sprite pack seed: one byte with the index file's length, the index, then the pixels.
for idx in "$data"/grim/*.idx; do
  [[ -f $idx ]] || continue
  res=${idx%.idx}.res
  size=$(wc -c <"$idx")
  ((size <= 255)) && [[ -f $res ]] || continue
  { printf "\\x$(printf %02x "$size")"; cat "$idx" "$res"; } >"$out/sprite_pack/$(basename "$idx" .idx)"
done
for f in "$data"/grim/*.pal; do
  [[ -f $f ]] && cp "$f" "$out/palette/"
done
for f in "$data"/grim/bar.res "$data"/grim/bg.res; do
  [[ -f $f ]] && cp "$f" "$out/pictures/"
done
# The fonts target: 4096 / 32 and 11520 / 64 as the lengths of the first two files.
if [[ -f $data/grim/EngFont.fnt && -f $data/grim/HanFont.fnt && -f $data/grim/han.inf ]]; then
  { printf '\x80\xb4'; cat "$data"/grim/EngFont.fnt "$data"/grim/HanFont.fnt "$data"/grim/han.inf; } \
    >"$out/fonts/demo"
fi
# The first 64 KiB of the music: enough frames, and a short run.
[[ -f $data/1.mp3 ]] && head -c 65536 "$data/1.mp3" >"$out/mp3/demo.mp3"
for f in "$@"; do
  [[ -f $f ]] && cp "$f" "$out/key_script/"
done
exit 0
