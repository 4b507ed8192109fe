// status_bar.cpp -- the status bar under the map: a calm ink panel with a thin light frame
#include <cmath>

#include "game_ramps.h"
#include "pictures.h"

namespace scenery {
namespace {

constexpr int kWidth = 320, kHeight = 63;

// A six-armed snowflake of radius 5 around (cx, cy).
void snowflake(Canvas& c, int cx, int cy) {
  const int arm = game::kSnow.step(3), tip = game::kSnow.step(5), core = game::kSnow.step(6);
  for (int k = 0; k < 6; ++k) {
    const float a = float(k) * 3.14159265f / 3.0f + 3.14159265f / 2.0f;
    const float dx = std::cos(a), dy = -std::sin(a);
    for (int r = 1; r <= 5; ++r)
      c.put(cx + int(std::lround(dx * r)), cy + int(std::lround(dy * r)), r == 5 ? tip : arm);
    // Two small barbs on each arm.
    for (int side : {-1, 1}) {
      const float b = a + float(side) * 0.9f;
      const int bx = cx + int(std::lround(dx * 3)), by = cy + int(std::lround(dy * 3));
      c.put(bx + int(std::lround(std::cos(b) * 1.4f)), by - int(std::lround(std::sin(b) * 1.4f)),
            arm);
    }
  }
  c.put(cx, cy, core);
}

}  // namespace

Canvas drawStatusBar() {
  Canvas c(kWidth, kHeight, game::kInk);
  // A calm panel, a shade lighter at the top.
  c.rect(3, 3, kWidth - 4, kHeight - 4, [](int x, int y) {
    const float t = 0.17f - 0.08f * float(y) / float(kHeight) +
                    0.03f * (fbm(float(x) / 40.0f, float(y) / 12.0f, 61, 2) - 0.5f);
    return game::kNight.shade(t, x, y);
  });
  // The frame: a thin light line with cut corners, and a dark line just inside it.
  const int light = game::kSnow.step(4), shade = game::kNight.step(4);
  c.hline(4, kWidth - 5, 2, light);
  c.hline(4, kWidth - 5, kHeight - 3, light);
  c.vline(2, 4, kHeight - 5, light);
  c.vline(kWidth - 3, 4, kHeight - 5, light);
  for (auto [x, y] :
       {std::pair{3, 3}, {kWidth - 4, 3}, {3, kHeight - 4}, {kWidth - 4, kHeight - 4}})
    c.put(x, y, light);
  c.hline(4, kWidth - 5, 3, shade);
  c.vline(3, 4, kHeight - 5, shade);
  c.hline(0, kWidth - 1, 0, game::kNight.step(6));
  snowflake(c, kWidth - 13, 10);
  return c;
}

}  // namespace scenery
