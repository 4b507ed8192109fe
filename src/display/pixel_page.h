// pixel_page.h -- an 8-bit page addressed through a table of row starts
#pragma once

#include <cstdint>
#include <memory>

#include "common/geometry.h"

namespace display {

using common::kPageHeight;
using common::kPageWidth;

class PixelPage {
 public:
  PixelPage() = default;
  PixelPage(const PixelPage&) = delete;
  PixelPage& operator=(const PixelPage&) = delete;

  // Builds the row table: entry 0 is base, each further entry the previous plus
  // pitch. 1 on success, 0 when the table cannot be allocated.
  int BindRows(uint8_t* base, int pitch, int count);
  // No bounds check: callers keep (x, y) inside the page.
  void PutPixel(int x, int y, uint8_t colour) { rows[y][x] = colour; }
  uint8_t* row(int y) const { return rows[y]; }
  bool bound() const { return rows != nullptr; }

  std::unique_ptr<uint8_t*[]> rows;
};

}  // namespace display
