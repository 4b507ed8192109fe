// argb_frame.cpp -- the presenter's palette conversion: one table lookup per distinct pixel
#include "platform/argb_frame.h"

#include <bit>
#include <cstring>

namespace platform {
namespace {

constexpr int kHalfWidth = kScreenWidth / 2;
constexpr int kHalfHeight = kScreenHeight / 2;

constexpr uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;

uint64_t load8(const uint8_t* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}

// Whether row and the row below it are equal and each byte at an even column
// equals its right neighbour. The mask picks the same byte pairs on either byte order.
bool rowPairDoubled(const uint8_t* row) {
  uint64_t differ = 0;
  for (int x = 0; x < kScreenWidth; x += 8) {
    const uint64_t w = load8(row + x);
    differ |= (w ^ load8(row + kScreenWidth + x)) | ((w ^ (w >> 8)) & kEvenBytes);
  }
  return differ == 0;
}

// Eight indices read as one word; pixel k of them is byte k on a little-endian
// machine, where the shifts stand for eight separate byte loads.
void lookUpEight(const uint8_t* src, const uint32_t* table, uint32_t out[8]) {
  if constexpr (std::endian::native == std::endian::little) {
    const uint64_t w = load8(src);
    for (int k = 0; k < 8; ++k) out[k] = table[(w >> (8 * k)) & 0xFF];
  } else {
    for (int k = 0; k < 8; ++k) out[k] = table[src[k]];
  }
}

// One row of indices into one or two rows of the output (second may be null).
void convertRow(const uint8_t* src, const uint32_t* table, uint8_t* first, uint8_t* second) {
  for (int x = 0; x < kScreenWidth; x += 8) {
    uint32_t eight[8];
    lookUpEight(src + x, table, eight);
    std::memcpy(first + 4 * x, eight, sizeof eight);
    if (second) std::memcpy(second + 4 * x, eight, sizeof eight);
  }
}

void convertWhole(const uint8_t* indices, const uint32_t* table, uint8_t* dst, size_t pitch) {
  for (int y = 0; y < kScreenHeight;) {
    const uint8_t* src = indices + size_t(y) * kScreenWidth;
    uint8_t* row = dst + size_t(y) * pitch;
    // A row equal to the one below it (the stretch makes every other one so) is
    // converted once and stored twice.
    const bool pair =
        y + 1 < kScreenHeight && std::memcmp(src, src + kScreenWidth, kScreenWidth) == 0;
    convertRow(src, table, row, pair ? row + pitch : nullptr);
    y += pair ? 2 : 1;
  }
}

void convertHalved(const uint8_t* indices, const uint32_t* table, uint8_t* dst, size_t pitch) {
  for (int y = 0; y < kHalfHeight; ++y) {
    const uint8_t* src = indices + size_t(2 * y) * kScreenWidth;
    auto* row = reinterpret_cast<uint32_t*>(dst + size_t(y) * pitch);
    for (int x = 0; x < kHalfWidth; x += 4) {
      // The left pixel of each pair: every other of eight indices.
      uint32_t eight[8];
      lookUpEight(src + 2 * x, table, eight);
      for (int k = 0; k < 4; ++k) row[x + k] = eight[2 * k];
    }
  }
}

}  // namespace

void argbTable(const PaletteEntry* palette, uint32_t table[256]) {
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = palette[i];
    table[i] = 0xFF000000u | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | e.blue;
  }
}

bool isPixelDoubled(const uint8_t* indices) {
  for (int y = 0; y < kScreenHeight; y += 2) {
    if (!rowPairDoubled(indices + size_t(y) * kScreenWidth)) return false;
  }
  return true;
}

void convertScreenToArgb(const uint8_t* indices, const PaletteEntry* palette, void* out,
                         int pitchBytes, bool halved) {
  uint32_t table[256];
  argbTable(palette, table);
  auto* dst = static_cast<uint8_t*>(out);
  if (halved)
    convertHalved(indices, table, dst, size_t(pitchBytes));
  else
    convertWhole(indices, table, dst, size_t(pitchBytes));
}

}  // namespace platform
