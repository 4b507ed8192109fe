#!/usr/bin/env bash
# make_artwork.sh -- draws the launcher's picture (launcher.gif, 189 x 229) and its icon
# (launcher_icon.png, 32 x 32) with ImageMagick: a snowy night with a little figure in a
# red coat. The outputs are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"

# Snowflakes at fixed pseudo-random places, so every run draws the same picture.
flakes() {  # count width height seed
  awk -v n="$1" -v w="$2" -v h="$3" -v seed="$4" 'BEGIN {
    srand(seed)
    for (i = 0; i < n; i++) {
      x = rand() * w; y = rand() * h; r = 0.6 + rand() * 1.1
      printf "circle %.1f,%.1f %.1f,%.1f ", x, y, x + r, y
    }
  }'
}

tree() {  # x of the trunk, y of the ground, height
  awk -v x="$1" -v g="$2" -v h="$3" 'BEGIN {
    w = h * 0.42
    printf "fill #3b2a1e rectangle %.1f,%.1f %.1f,%.1f ", x - 2, g - h * 0.16, x + 2, g
    for (i = 0; i < 3; i++) {
      top = g - h + i * h * 0.24; bottom = top + h * 0.42; half = w * (0.55 + i * 0.22)
      printf "fill #16352f polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ", x, top, x - half, bottom, x + half, bottom
      printf "fill #eef4fb polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f ", x, top, x - half * 0.45, top + h * 0.19, x, top + h * 0.15, x + half * 0.45, top + h * 0.19
      printf "fill #eef4fb ellipse %.1f,%.1f %.1f,%.1f 0,360 ", x - half * 0.7, bottom - 1, half * 0.35, 1.6
    }
  }'
}

# The picture
convert -size 189x229 gradient:'#070d22-#2c4676' \
  -fill '#fff8d8' -draw 'fill-opacity 0.10 circle 146,40 146,68' \
  -fill '#fff8d8' -draw 'fill-opacity 0.18 circle 146,40 146,58' \
  -fill '#f6f0cc' -draw 'circle 146,40 146,53' \
  -fill '#dcd4aa' -draw 'circle 141,36 141,39 circle 150,45 150,47 circle 143,47 143,48.5' \
  -fill '#ffffff' -draw 'point 20,18 point 61,9 point 95,27 point 40,52 point 176,88 point 110,12 point 78,70 point 12,96' \
  -fill '#7d93ba' -draw 'polygon 0,150 30,128 62,142 96,120 132,140 160,126 189,138 189,229 0,229' \
  -fill '#b7c7df' -draw 'polygon 0,168 40,156 84,164 120,152 160,160 189,154 189,229 0,229' \
  -draw "$(tree 160 166 52)" \
  -draw "$(tree 24 176 62)" \
  -draw "$(tree 50 170 34)" \
  -fill '#5a3b2a' -draw 'rectangle 100,146 136,172' \
  -fill '#ffcf6b' -draw 'rectangle 106,154 116,164 rectangle 122,154 131,164' \
  -fill '#5a3b2a' -draw 'line 111,154 111,164 line 106,159 116,159 line 126,154 126,164 line 122,159 131,159' \
  -fill '#e9f1fb' -draw 'polygon 95,148 118,128 141,148 137,151 118,135 99,151' \
  -fill '#ffcf6b' -draw 'fill-opacity 0.25 ellipse 118,176 22,4 0,360' \
  -fill '#e8f0fa' -draw 'polygon 0,190 46,178 92,184 140,174 189,182 189,229 0,229' \
  -fill '#c5d3e8' -draw 'ellipse 60,199 3,1.3 0,360 ellipse 50,205 3,1.3 0,360 ellipse 42,212 3,1.3 0,360 ellipse 32,218 3,1.3 0,360 ellipse 22,225 3,1.3 0,360' \
  -fill '#a9b9d2' -draw 'fill-opacity 0.7 ellipse 76,207 11,2.5 0,360' \
  -fill '#2a2a3a' -draw 'roundrectangle 69,198 74,207 1,1 roundrectangle 77,198 82,207 1,1' \
  -fill '#c0392b' -draw 'polygon 67,198 84,198 80,178 71,178' \
  -fill '#962d22' -draw 'line 75.5,180 75.5,197' \
  -fill '#c0392b' -draw 'polygon 71,180 64,192 67,193 73,184 polygon 80,180 88,190 85,192 79,184' \
  -fill '#f2d0a9' -draw 'circle 65,193 65,195 circle 87,192 87,194' \
  -fill '#f2c94c' -draw 'roundrectangle 70,175 81,180 2,2 polygon 78,178 83,178 84,188 80,188' \
  -fill '#f2d0a9' -draw 'circle 75.5,169 75.5,175' \
  -fill '#2a2a3a' -draw 'point 73,169 point 78,169' \
  -fill '#e07a7a' -draw 'point 72,171 point 79,171' \
  -fill '#2d5da8' -draw 'polygon 69,167 82,167 80,160 75.5,157 71,160' \
  -fill '#ffffff' -draw 'circle 75.5,156 75.5,158.5 rectangle 69,165 82,168' \
  -fill '#ffffff' -draw "fill-opacity 0.9 $(flakes 70 189 229 11)" \
  -dither FloydSteinberg -colors 128 launcher.gif

# The icon: drawn four times as large and scaled down, so its edges are smooth.
convert -size 128x128 xc:none \
  -fill '#1a2a55' -draw 'roundrectangle 2,2 125,125 18,18' \
  -fill '#f6f0cc' -draw 'circle 96,30 96,44' \
  -fill '#e8f0fa' -draw 'polygon 6,96 40,84 80,92 122,82 122,110 110,122 18,122 6,110' \
  -fill '#c0392b' -draw 'polygon 46,96 74,96 68,62 52,62' \
  -fill '#f2c94c' -draw 'roundrectangle 50,58 70,66 3,3' \
  -fill '#f2d0a9' -draw 'circle 60,48 60,60' \
  -fill '#2d5da8' -draw 'polygon 47,45 73,45 68,32 60,27 52,32' \
  -fill '#ffffff' -draw 'circle 60,25 60,30' \
  -fill '#2a2a3a' -draw 'rectangle 50,96 57,106 rectangle 63,96 70,106' \
  -fill '#ffffff' -draw 'circle 20,24 20,28 circle 38,44 38,47 circle 104,62 104,66 circle 24,62 24,65 circle 84,56 84,58' \
  -filter Box -resize 32x32 -depth 8 launcher_icon.png
