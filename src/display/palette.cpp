// palette.cpp -- loading, fading and tinting the palette
#include "display/palette.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "display/display_device.h"
#include "platform/data_file.h"

namespace display {

PaletteEntry WorkingPalette[common::kPaletteColours];
PaletteEntry BasePalette[common::kPaletteColours];
int32_t MixTable[common::kMixTableBytes];
int Brightness = 0;

void SendPalette() {
  // Only 255 entries go to the device, so index 255 always shows black.
  if (ScreenPalette) ScreenPalette->setEntries(0, 0, 255, WorkingPalette);
}

int LoadPalette(const char* path) {
  FILE* f = platform::openDataFile(path, "rb");
  if (!f) return 0;
  for (int i = 0; i < common::kPaletteColours; ++i) {
    // A short file reads as end-of-file, stored as 255, as the original's byte reads did.
    const auto next = [f] { return static_cast<uint8_t>(std::fgetc(f)); };
    WorkingPalette[i].red = BasePalette[i].red = next();
    WorkingPalette[i].green = BasePalette[i].green = next();
    WorkingPalette[i].blue = BasePalette[i].blue = next();
  }
  uint8_t buffer[4096];
  size_t filled = 0;
  while (filled < common::kMixTableBytes) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, f);
    for (size_t i = 0; i < got; ++i) MixTable[filled + i] = buffer[i];
    filled += got;
    if (got < sizeof buffer) break;
  }
  std::fill(MixTable + filled, std::end(MixTable), 255);
  std::fclose(f);
  SendPalette();
  return 1;
}

void SetBrightness(int level) {
  for (int i = 0; i < 255; ++i) {
    WorkingPalette[i].red = static_cast<uint8_t>(BasePalette[i].red * level / 100);
    WorkingPalette[i].green = static_cast<uint8_t>(BasePalette[i].green * level / 100);
    WorkingPalette[i].blue = static_cast<uint8_t>(BasePalette[i].blue * level / 100);
  }
  SendPalette();
}

void TintPalette(int red, int green, int blue) {
  const auto shift = [](uint8_t c, int by) {
    return static_cast<uint8_t>(std::clamp(c + by, 0, 255));
  };
  for (int i = 0; i < 255; ++i) {
    PaletteEntry& b = BasePalette[i];
    b.red = shift(b.red, red);
    b.green = shift(b.green, green);
    b.blue = shift(b.blue, blue);
    WorkingPalette[i].red = b.red;
    WorkingPalette[i].green = b.green;
    WorkingPalette[i].blue = b.blue;
  }
  SendPalette();
}

void resetPaletteGlobals() {
  std::fill(std::begin(WorkingPalette), std::end(WorkingPalette), PaletteEntry{});
  std::fill(std::begin(BasePalette), std::end(BasePalette), PaletteEntry{});
  std::fill(std::begin(MixTable), std::end(MixTable), 0);
  Brightness = 0;
}

}  // namespace display
