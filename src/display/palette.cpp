// palette.cpp -- loading, fading and tinting the palette
#include "display/palette.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "common/data_formats.h"
#include "display/display_device.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"
#include "platform/pixel_rows.h"

namespace display {

void SendPalette() {
  // Only 255 entries go to the device, so index 255 always shows black.
  auto& d = displayState();
  if (d.ScreenPalette) d.ScreenPalette->setEntries(0, 0, 255, d.WorkingPalette);
}

int LoadPalette(const char* path) {
  FILE* f = platform::openDataFileOrWarn(path, common::kPaletteFileBytes);
  if (!f) return 0;
  auto& d = displayState();
  size_t colourBytes = 0;
  for (int i = 0; i < common::kPaletteColours; ++i) {
    // A short file reads as end-of-file, stored as 255, as the original's byte reads did.
    const auto next = [f, &colourBytes] {
      const int c = std::fgetc(f);
      colourBytes += c != EOF;
      return static_cast<uint8_t>(c);
    };
    d.WorkingPalette[i].red = d.BasePalette[i].red = next();
    d.WorkingPalette[i].green = d.BasePalette[i].green = next();
    d.WorkingPalette[i].blue = d.BasePalette[i].blue = next();
  }
  uint8_t buffer[4096];
  size_t filled = 0;
  while (filled < common::kMixTableBytes) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, f);
    platform::widenRow(d.MixTable + filled, buffer, got);
    filled += got;
    if (got < sizeof buffer) break;
  }
  std::fill(d.MixTable + filled, std::end(d.MixTable), 255);
  std::fclose(f);
  const size_t got = colourBytes + filled;
  if (filled < common::kMixTableBytes)
    platform::warnDataFile(
        path, got ? platform::endsAfter(got, common::kPaletteColourBytes + common::kMixTableBytes)
                  : platform::kEmpty);
  SendPalette();
  return 1;
}

void SetBrightness(int level) {
  auto& d = displayState();
  for (int i = 0; i < 255; ++i) {
    d.WorkingPalette[i].red = static_cast<uint8_t>(d.BasePalette[i].red * level / 100);
    d.WorkingPalette[i].green = static_cast<uint8_t>(d.BasePalette[i].green * level / 100);
    d.WorkingPalette[i].blue = static_cast<uint8_t>(d.BasePalette[i].blue * level / 100);
  }
  SendPalette();
}

void TintPalette(int red, int green, int blue) {
  const auto shift = [](uint8_t c, int by) {
    return static_cast<uint8_t>(std::clamp(c + by, 0, 255));
  };
  auto& d = displayState();
  for (int i = 0; i < 255; ++i) {
    PaletteEntry& b = d.BasePalette[i];
    b.red = shift(b.red, red);
    b.green = shift(b.green, green);
    b.blue = shift(b.blue, blue);
    d.WorkingPalette[i].red = b.red;
    d.WorkingPalette[i].green = b.green;
    d.WorkingPalette[i].blue = b.blue;
  }
  SendPalette();
}

}  // namespace display
