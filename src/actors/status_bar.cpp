// status_bar.cpp -- copying the status bar picture into the bottom strip of the view
#include "actors/status_bar.h"

#include <cstring>

#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "common/geometry.h"
#include "display/display_state.h"
#include "display/pixel_page.h"

namespace actors {

void drawStatusBar() {
  const auto& APAGE = display::displayState().APAGE;
  const uint8_t* StatusBarPixels = actorsState().StatusBarPixels.get();
  if (!StatusBarPixels || !APAGE || !APAGE->bound()) return;
  // The bar's last row is the view's last.
  const int top = common::kViewBottom - kStatusBarRows;
  for (int r = 0; r < kStatusBarRows; ++r)
    std::memcpy(APAGE->row(top + r) + common::kViewLeft, StatusBarPixels + r * kStatusBarWidth,
                kStatusBarWidth);
}

}  // namespace actors
