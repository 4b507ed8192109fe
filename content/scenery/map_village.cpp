// map_village.cpp -- maps 20 (the village gate) and 21 (the village square)
#include <cmath>

#include "buildings.h"
#include "game_ramps.h"
#include "map_common.h"
#include "trees.h"

namespace scenery {
namespace {

constexpr int kBase = 157;  // where houses set back from the lane stand

// The village's name on the gate's board, in two hand-drawn syllables.
const char* const kVillageName[] = {
    ".#..........#........",  //
    ".#.....##########....",  //
    ".######.........#....",  //
    "................#....",  //
    "#########...#........",  //
    "....#.....#########..",  //
    "....#................",  //
    ".#.......########....",  //
    ".#..............#....",  //
    ".#.......########....",  //
    ".#######.#...........",  //
    ".........########....",  //
};

void gate(Canvas& c) {
  // Two posts, two beams, a small tiled roof and the board hanging between them.
  for (int px : {70, 184}) {
    c.rect(px, 84, px + 6, kBase, [px](int x, int) {
      return game::kWood.step(x == px ? 9 : x == px + 6 ? 2 : 5 + (x - px) % 2);
    });
    c.rect(px - 2, kBase - 3, px + 8, kBase,
           [](int x, int y) { return game::kStone.step(8 + (x + y) % 2); });
  }
  c.rect(62, 84, 198, 88, [](int, int y) {
    return game::kWood.step(y == 84 ? 8 : y == 88 ? 2 : 5);
  });
  c.rect(76, 98, 184, 100, [](int, int y) { return game::kWood.step(y == 98 ? 7 : 3); });
  drawRoof(c, RoofShape{54, 206, 82, 68, 14, 5, RoofKind::Tiles, 201});
  for (int sx : {114, 146}) c.vline(sx, 101, 104, game::kWood.step(1));
  drawBoard(c, 104, 104, 156, 122);
  drawLetters(c, 119, 108, kVillageName, 12, game::kWood.step(14));
  capWithSnow(c, 104, 156, 100, 1, 203);
}

// A signpost by the road out of the village, its board an arrow pointing on to the right.
void signpost(Canvas& c, int x) {
  c.rect(x, 126, x + 2, kBase + 1, [x](int px, int) {
    return game::kWood.step(px == x ? 9 : px == x + 2 ? 2 : 5);
  });
  c.polygon({{float(x) - 12, 128},
             {float(x) + 16, 128},
             {float(x) + 22, 133.5f},
             {float(x) + 16, 139},
             {float(x) - 12, 139}},
            [](int, int y) {
              return game::kWood.step(y == 128 ? 9 : y == 138 ? 2 : 5 + (y % 3 == 0));
            });
  for (int k = 0; k < 4; ++k)
    c.hline(x - 8 + k * 6, x - 5 + k * 6, 133 + (k % 2), game::kWood.step(1));
  c.hline(x - 12, x + 16, 127, game::kSnow.step(12));
  c.hline(x - 1, x + 3, 125, game::kSnow.step(12));
}

void houses(Canvas& c) {
  drawChimney(c, 432, kBase, 18, 211);
  drawHouse(c, {448,
                574,
                kBase,
                4,
                34,
                30,
                12,
                {Bay::Wall, Bay::Window, Bay::Door, Bay::Wall},
                RoofKind::Thatch,
                212});
  drawChimney(c, 796, kBase, 22, 221);
  drawHouse(c, {640,
                780,
                kBase,
                5,
                36,
                30,
                14,
                {Bay::Window, Bay::Wall, Bay::Door, Bay::Window},
                RoofKind::Tiles,
                222});
  drawHouse(c, {846,
                984,
                kBase,
                5,
                34,
                28,
                13,
                {Bay::Wall, Bay::Window, Bay::DarkDoor, Bay::Window},
                RoofKind::Tiles,
                232});
  drawChimney(c, 998, kBase, 20, 231);
}

// The village well: a ring of stones, a little roof on two posts and a bucket.
void well(Canvas& c, int x0, int x1) {
  drawStoneWall(c, x0, x1, kBase, 12, 2101);
  for (int px : {x0 + 2, x1 - 3})
    c.rect(px, kBase - 40, px + 1, kBase - 12,
           [](int x, int) { return game::kWood.step(x % 2 ? 3 : 7); });
  c.hline(x0 + 2, x1 - 2, kBase - 36, game::kWood.step(4));
  const int mid = (x0 + x1) / 2;
  c.vline(mid, kBase - 35, kBase - 27, game::kWood.step(2));
  c.rect(mid - 3, kBase - 26, mid + 3, kBase - 21,
         [](int x, int y) { return game::kWood.step(y == kBase - 26 ? 9 : 5 - (x % 3 == 0)); });
  drawRoof(c, RoofShape{x0 - 6, x1 + 6, kBase - 41, kBase - 52, 6, 3, RoofKind::Tiles, 2102});
}

// Loaves on the shelves of a lit shop window.
void bakeryWindow(Canvas& c, const Box& b) {
  c.rect(b.x0, b.y0 + 6, b.x1, b.y1 - 3, [&](int x, int y) {
    if (x == b.x0 || x == b.x1 || y == b.y0 + 6 || y == b.y1 - 3) return game::kWood.step(2);
    return game::kLamp.shade(0.85f - 0.3f * float(y - b.y0) / float(b.y1 - b.y0), x, y);
  });
  for (int shelf : {b.y0 + 16, b.y1 - 6}) {
    c.hline(b.x0 + 1, b.x1 - 1, shelf, game::kWood.step(4));
    for (int x = b.x0 + 4; x < b.x1 - 5; x += 8) {
      c.ellipse(float(x) + 3.0f, float(shelf) - 2.0f, 3.5f, 2.2f, [&](int px, int py) {
        return game::kWood.step(py < shelf - 2 ? 12 : 9) + (px == x + 3 && py == shelf - 3 ? 3 : 0);
      });
    }
  }
}

// A striped awning over the bakery's window, scalloped along its edge.
void awning(Canvas& c, int x0, int x1, int y) {
  for (int x = x0; x <= x1; ++x) {
    const bool red = ((x - x0) / 4) % 2 == 0;
    const int drop = 5 + ((x - x0) % 4 == 1 || (x - x0) % 4 == 2 ? 1 : 0);
    for (int k = 0; k <= drop; ++k)
      c.put(x, y + k,
            red ? game::kRed.step(k == drop ? 4 : 6 - k / 3)
                : game::kStone.step(k == drop ? 11 : 14 - k / 3));
  }
  capWithSnow(c, x0, x1, y - 3, 1, 2103);
}

// A board hanging from an arm, with a loaf of bread painted on it.
void breadSign(Canvas& c, int x, int y) {
  c.hline(x - 2, x + 16, y, game::kWood.step(3));
  c.vline(x + 2, y, y + 3, game::kWood.step(1));
  c.vline(x + 12, y, y + 3, game::kWood.step(1));
  drawBoard(c, x - 2, y + 4, x + 16, y + 15);
  c.ellipse(float(x) + 7.5f, float(y) + 10.0f, 6.0f, 3.2f, [](int px, int py) {
    return game::kWood.step(py < 0 ? 0 : 13) - ((px + py) % 7 == 0 ? 2 : 0);
  });
  for (int k = 0; k < 3; ++k)
    c.line(x + 4 + 3 * k, y + 11, x + 6 + 3 * k, y + 8, game::kWood.step(8));
  c.hline(x - 2, x + 16, y - 1, game::kSnow.step(11));
}

void bakery(Canvas& c) {
  const HousePlan shop{186,
                       354,
                       kBase,
                       4,
                       38,
                       30,
                       12,
                       {Bay::Window, Bay::Shop, Bay::Shop, Bay::Door},
                       RoofKind::Tiles,
                       2104};
  drawHouse(c, shop);
  drawChimney(c, 206, 100, 22, 2105);
  const Box left = bayBox(shop, 1), right = bayBox(shop, 2);
  bakeryWindow(c, {left.x0, left.y0, right.x1, right.y1});
  c.rect(left.x1 + 1, left.y0 + 6, right.x0 - 1, left.y1 - 3,
         [](int x, int) { return game::kWood.step(x % 2 ? 3 : 6); });
  awning(c, left.x0 - 3, right.x1 + 3, left.y0 + 1);
  warmGlow(c, float(left.x0 + right.x1) / 2.0f, float(kBase) + 3.0f, 60.0f, 10.0f, 0.9f);
  breadSign(c, 360, 106);
}

void chiefHouse(Canvas& c) {
  const HousePlan house{522,
                        758,
                        kBase - 2,
                        9,
                        40,
                        36,
                        16,
                        {Bay::Window, Bay::Wall, Bay::Door, Bay::Door, Bay::Wall, Bay::Window},
                        RoofKind::Tiles,
                        2106};
  drawHouse(c, house);
  // Stone steps up to the doors.
  for (int k = 0; k < 3; ++k)
    c.rect(612 - 3 * k, kBase - 3 * k - 2, 668 + 3 * k, kBase - 3 * k, [&](int x, int y) {
      return y == kBase - 3 * k - 2 ? game::kSnow.step(11)
                                    : game::kStone.step(9 - (x % 6 == 0 ? 3 : 0));
    });
  drawChimney(c, 768, kBase, 24, 2107);
}

// The festival tree: a tall pine hung with paper lanterns that wait to be lit, on ropes
// with white paper strips.
void festivalTree(Canvas& c) {
  drawPine(c, 850, kBase - 1, 122, 2108, nearLook());
  drawStoneWall(c, 826, 874, kBase, 6, 2109);
  for (int k = 0; k < 4; ++k) {
    const int y = 62 + k * 22;
    const int half = 8 + k * 9;
    for (int x = 850 - half; x <= 850 + half; ++x) {
      const float u = float(x - 850) / float(half);
      const int sag = y + int(4.0f * (1.0f - u * u));
      c.put(x, sag, game::kWood.step(4));
      if ((x - 850 + half) % 9 == 4) c.vline(x, sag + 1, sag + 2, game::kStone.step(12));
    }
    for (int side : {-1, 1}) {
      const int lx = 850 + side * (half * 2 / 3), ly = y + 3;
      c.vline(lx, ly, ly + 1, game::kWood.step(1));
      c.ellipse(float(lx) + 0.5f, float(ly) + 5.0f, 2.6f, 3.4f, [&](int px, int py) {
        return ((k + side) % 2 ? game::kRed : game::kViolet).step(py < ly + 4 ? 3 : 2) +
               (px == lx - 1 ? 1 : 0);
      });
      c.hline(lx - 1, lx + 1, ly + 9, game::kWood.step(1));
    }
  }
}

// The smithy: stone walls, a shingled roof, an open front with the forge glowing red.
void forge(Canvas& c) {
  const int x0 = 964, x1 = 1136, top = kBase - 40;
  c.rect(x0, top, x1, kBase, [&](int x, int y) {
    const int course = (y - top) / 4;
    const bool joint = (y - top) % 4 == 0 || (x + course * 5) % 9 == 0;
    return joint ? game::kStone.step(2)
                 : game::kStone.shade(0.5f + 0.2f * (hash01(x / 9, course, 2110) - 0.5f), x, y);
  });
  // The open front: a dark smithy lit by the forge's mouth at the back.
  const int ox0 = 990, ox1 = 1076, oy = top + 8;
  const Ramp inside{{64, 65, 208, 209, 210, 211, 212, 213, 215, 217, 219}};
  c.rect(ox0, oy, ox1, kBase, [&](int x, int y) {
    const float d = std::hypot(float(x - 1019) / 46.0f, float(y - (kBase - 12)) / 26.0f);
    return inside.shade(0.95f - 0.9f * d, x, y);
  });
  // Tools hanging on the back wall, dark against the glow.
  for (int k = 0; k < 4; ++k) {
    const int tx = 1046 + k * 7;
    c.vline(tx, oy + 4, oy + 14 + k % 2 * 3, 64);
    c.hline(tx - 1, tx + 1, oy + 4 + (k % 2) * 10, 64);
  }
  // The hearth: a stone block with a hood, its mouth glowing.
  c.rect(1004, kBase - 20, 1034, kBase,
         [](int x, int y) { return game::kStone.step(3 + ((x / 4 + y / 3) % 2)); });
  c.polygon({{1006, float(oy + 2)},
             {1032, float(oy + 2)},
             {1036, float(kBase - 20)},
             {1002, float(kBase - 20)}},
            [](int x, int) { return game::kStone.step(2 + (x % 3 == 0)); });
  c.ellipse(1019, float(kBase - 11), 9, 6, [](int x, int y) {
    const float d = std::hypot(float(x) - 1019.0f, (float(y) - float(kBase - 11)) * 1.4f) / 9.0f;
    return game::kGlow.shade(1.05f - d, x, y);
  });
  c.hline(1010, 1028, kBase - 6, game::kStone.step(1));
  for (int k = 0; k < 14; ++k)  // sparks
    c.put(1008 + int(hash01(k, 0, 2111) * 24), kBase - 21 - int(hash01(k, 1, 2111) * 10),
          game::kLamp.step(10 + k % 3));
  c.rect(ox0 - 2, oy - 2, ox1 + 2, oy,
         [](int x, int) { return game::kWood.step(x % 5 == 0 ? 2 : 6); });
  for (int px : {ox0 - 2, ox1})
    c.rect(px, oy, px + 2, kBase, [](int x, int) { return game::kWood.step(3 + x % 3); });
  drawPaperWindow(c, 1096, top + 10, 1122, top + 24, true);
  drawRoof(c, RoofShape{x0 - 10, x1 + 10, top - 1, top - 26, 18, 0, RoofKind::Shingles, 2112});
  drawChimney(c, 1120, top - 10, 28, 2113);
  warmGlow(c, 1030, float(kBase) + 2.0f, 70.0f, 12.0f, 1.0f);
  // A board with a hammer over the door.
  drawBoard(c, 1022, oy - 17, 1046, oy - 5);
  c.rect(1028, oy - 14, 1038, oy - 11, [](int, int) { return game::kGrey.step(9); });
  c.rect(1032, oy - 11, 1033, oy - 7, [](int, int) { return game::kWood.step(11); });
}

}  // namespace

Canvas drawMap20() {
  Canvas c = startMap(rollingSkyline(140, 6, 70, 20), 2000);
  const TreeLook far = farLook(), mid = middleLook(), near = nearLook();
  for (int x = 10; x < 1280; x += 37)
    drawPine(c, x + int(hash01(x, 0, 20) * 20), 146 + int(hash01(x, 1, 20) * 4),
             18 + int(hash01(x, 2, 20) * 20), x, far);
  drawPine(c, 240, 152, 92, 2001, mid);
  drawPine(c, 372, 151, 104, 2002, mid);
  drawPine(c, 306, 150, 64, 2003, mid);
  drawFence(c, 206, 424, kBase, 16, 2004);
  houses(c);
  drawStoneWall(c, 1010, 1130, kBase, 14, 2005);
  drawBareTree(c, 1075, 150, 86, 2006, true, near);
  drawPine(c, 1180, 156, 112, 2007, near);
  drawPine(c, 1256, 157, 84, 2008, near);
  signpost(c, 1216);
  gate(c);
  drawPine(c, 26, 158, 118, 2009, near);
  return c;
}

Canvas drawMap21() {
  Canvas c = startMap(rollingSkyline(138, 5, 60, 21), 2100);
  const TreeLook far = farLook(), mid = middleLook(), near = nearLook();
  for (int x = 0; x < 1280; x += 41)
    drawPine(c, x + int(hash01(x, 0, 21) * 24), 144 + int(hash01(x, 1, 21) * 4),
             20 + int(hash01(x, 2, 21) * 22), x + 7, far);
  drawPine(c, 470, 150, 96, 2120, mid);
  drawPine(c, 905, 149, 84, 2121, mid);
  drawPine(c, 1200, 152, 100, 2122, mid);
  well(c, 70, 112);
  bakery(c);
  drawJars(c, 378, 462, kBase, 2123);
  chiefHouse(c);
  festivalTree(c);
  forge(c);
  drawLogPile(c, 1150, 1200, kBase, 3, 2124);
  drawFence(c, 1206, 1279, kBase, 16, 2125);
  drawPine(c, 22, 158, 110, 2126, near);
  for (int x : {152, 500, 796, 930, 1262}) drawLanternPost(c, x, kBase + 1, 44, true, x % 2 == 0);
  return c;
}

}  // namespace scenery
