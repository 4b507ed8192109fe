// pixel_page.cpp -- row tables
#include "display/pixel_page.h"

#include <new>

#include "platform/faults.h"

namespace display {

int PixelPage::BindRows(uint8_t* base, int pitch, int count) {
  if (++platform::faults().rowTablesMade == platform::faults().failRowTableNumber) return 0;
  std::unique_ptr<uint8_t*[]> table(new (std::nothrow) uint8_t*[count]);
  if (!table) return 0;
  for (int y = 0; y < count; ++y) table[y] = base + y * pitch;
  rows = std::move(table);
  return 1;
}

}  // namespace display
