// caption.cpp -- the map caption: two blended copies fly in and meet, then an outline ramps up and
// back
#include "actors/balloons.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/text_draw.h"
#include "world/scene.h"

namespace world {
namespace {

constexpr int kCaptionX = 130;
constexpr int kCaptionY = 130;
constexpr int kFlyEnd = 64;
constexpr int kCaptionEnd = 216;

// 192 rising to 207 over a = 64..127, 207 to a = 199, then falling back to 192.
int outlineColour(int a) {
  if (a < 128) return actors::kTextFace + (a - kFlyEnd) / 4;
  if (a < 200) return actors::kRampTop;
  return 407 - a;
}

}  // namespace

void Scene::drawCaption() {
  const int a = captionTimer;
  if (a <= 0 || a >= kCaptionEnd) {
    captionTimer = 0;
    return;
  }
  if (a < kFlyEnd) {
    // One copy moves left along the row, the other up along the column.
    const int level = actors::kRampTop - a / 4;
    gfx::drawTextBlended(display::displayState().APAGE.get(), 195 - a, kCaptionY, caption, level);
    gfx::drawTextBlended(display::displayState().APAGE.get(), kCaptionX, 195 - a, caption, level);
  } else {
    actors::drawOutline(caption, kCaptionX, kCaptionY, outlineColour(a));
    gfx::drawText(display::displayState().APAGE.get(), kCaptionX, kCaptionY, caption,
                  actors::kTextFace);
  }
  captionTimer = a + 1;
}

}  // namespace world
