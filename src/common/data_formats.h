// data_formats.h -- the fixed sizes and limits of the game's data files
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/geometry.h"

namespace common {

// Palettes (grim\NAME.pal): 256 RGB colours, then 256 x 256 indices of the mixing table.
constexpr int kPaletteColours = 256;
constexpr size_t kPaletteColourBytes = 3 * kPaletteColours;                 // 768
constexpr size_t kMixTableBytes = kPaletteColours * kPaletteColours;        // 65,536
constexpr size_t kPaletteFileBytes = kPaletteColourBytes + kMixTableBytes;  // 66,304
// Transparent in sprites and map pictures; never sent to the screen, so it shows black.
constexpr int kTransparentIndex = 255;

// Sprite packs (grim\NAME.idx and grim\NAME.res): at most 50 frames, each drawn
// unclipped into the page, so no larger than the page.
constexpr int kPackFrames = 50;
constexpr int kMaxFrameWidth = kPageWidth;
constexpr int kMaxFrameHeight = kPageHeight;

// Raw pictures: palette indices, a row after the other, top row first.
// The far layer (grim\bg.res), behind every map.
constexpr int kFarWidth = 800;
constexpr int kFarHeight = 240;
constexpr size_t kFarBytes = size_t(kFarWidth) * kFarHeight;  // 192,000
// A map picture (map\NAME.res): the whole map across the map area of the view.
constexpr int kMapPictureWidth = kMapWidth;
constexpr int kMapPictureHeight = kMapAreaHeight;
constexpr size_t kMapPictureBytes = size_t(kMapPictureWidth) * kMapPictureHeight;  // 226,560
// A cut-scene picture (grim\NAME.res of a cut-scene script): the whole screen.
constexpr int kCutScenePictureWidth = kScreenWidth;
constexpr int kCutScenePictureHeight = kScreenHeight;
constexpr size_t kCutScenePictureBytes =
    size_t(kCutScenePictureWidth) * kCutScenePictureHeight;  // 307,200
// The status bar (grim\bar.res): rows as wide as the view, as many as the file holds.
// The game reads at most 20,360 bytes of it and shows the first 63 rows.
constexpr int kStatusBarWidth = kViewWidth;
constexpr size_t kStatusBarBytes = 20360;
constexpr int kStatusBarRows = 63;

// Fonts. grim\EngFont.fnt: 256 glyphs of 16 rows of 8 pixels, bit 7 leftmost.
constexpr int kAsciiFontBytes = 4096;
// grim\HanFont.fnt: Hangul letter glyphs of 16 x 16, 16 rows of two bytes, first byte
// high; sets of initials, medials and finals, one after the other.
constexpr int kGlyph16Bytes = 32;
constexpr int kInitialSets = 8, kInitialGlyphs = 20;
constexpr int kMedialSets = 4, kMedialGlyphs = 22;
constexpr int kFinalSets = 4, kFinalGlyphs = 28;
constexpr int kInitialBytes = kInitialSets * kInitialGlyphs * kGlyph16Bytes;  // 5120
constexpr int kMedialBytes = kMedialSets * kMedialGlyphs * kGlyph16Bytes;     // 2816
constexpr int kFinalBytes = kFinalSets * kFinalGlyphs * kGlyph16Bytes;        // 3584
constexpr int kHangulFontBytes = kInitialBytes + kMedialBytes + kFinalBytes;  // 11520
// grim\han.inf: one two-byte Johab code for each of the 25 x 94 KS X 1001 syllables.
constexpr int kSyllableRows = 25, kSyllablesPerRow = 94;
constexpr int kSyllableCodeBytes = kSyllableRows * kSyllablesPerRow * 2;  // 4700

// The largest file of each kind that the game opens: a larger one fails to load as a missing
// one does, before a byte of it is read (docs/authoring.md, "The data folder"). Pictures,
// fonts and the game's palette are no larger than their fixed sizes above.
// The status bar is read for its first 20,360 bytes whatever follows; a taller bar file
// still loads, up to a screen's worth.
constexpr uint64_t kStatusBarFileBound = kCutScenePictureBytes;  // 307,200
// A cut-scene palette is read for its colours; the game's whole palette file may serve.
constexpr uint64_t kCutScenePaletteBound = kPaletteFileBytes;  // 66,304
// Text files are capped well above the fullest file their tables can take: a map's 101
// events of 200 steps with text cells of 255 bytes come to under 6 MB, a cut-scene's 2000
// lines of 255 bytes to half a megabyte, a pack's index of 50 frames to under a kilobyte.
constexpr uint64_t kMapFileBound = uint64_t(8) << 20;
constexpr uint64_t kCutSceneScriptBound = uint64_t(1) << 20;
constexpr uint64_t kSpriteIndexBound = uint64_t(64) << 10;

}  // namespace common
