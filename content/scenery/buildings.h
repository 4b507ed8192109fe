// buildings.h -- village buildings: tiled and thatched houses, walls, fences, lanterns, jars
#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

namespace scenery {

enum class RoofKind { Tiles, Thatch, Shingles };

struct RoofShape {
  int x0, x1;      // the eaves' ends
  int eaveY;       // row of the eave edge in the middle
  int ridgeY;      // row of the ridge's top
  int ridgeInset;  // how far in from the eaves' ends the ridge ends
  int lift;        // how many rows the eaves' ends curve up
  RoofKind kind;
  uint32_t seed;
};
// A roof seen from its long side, under snow; returns nothing but leaves the eaves' shadow
// to the walls drawn before it.
void drawRoof(Canvas& c, const RoofShape& roof);

// What fills one bay of a house's front between two pillars.
enum class Bay { Wall, Window, DarkWindow, Door, DarkDoor, Shop };

struct HousePlan {
  int x0, x1;             // the walls
  int baseY;              // the ground under the foundation
  int foundation;         // rows of stone under the walls
  int wallHeight;         // from the foundation's top to the beam under the eaves
  int roofHeight;         // from the eave edge to the ridge
  int overhang;           // how far the eaves reach past the walls
  std::vector<Bay> bays;  // left to right
  RoofKind roof;
  uint32_t seed;
};
struct Box {
  int x0, y0, x1, y1;
};
// The inside of bay b of a house: between its pillars, from the beam under the eaves to
// the sill.
Box bayBox(const HousePlan& house, int b);

// A house: stone foundation, pillars, plaster or mud walls, paper windows and doors (lit
// ones glow on the snow before them) and the roof. Returns the row of the eaves.
int drawHouse(Canvas& c, const HousePlan& house);

// A paper window with a wooden lattice, lit from inside or dark.
void drawPaperWindow(Canvas& c, int x0, int y0, int x1, int y1, bool lit);
// A low chimney of stones with a cap, standing on baseY.
void drawChimney(Canvas& c, int x, int baseY, int height, uint32_t seed);
// A woven brushwood fence with a snow cap.
void drawFence(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed);
// A stone wall with a small tiled cap under snow.
void drawStoneWall(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed);
// A wooden post with a paper lantern hanging from its arm; lit or dark.
void drawLanternPost(Canvas& c, int x, int baseY, int height, bool lit, bool red);
// Earthenware jars on a low stone terrace, lids under snow.
void drawJars(Canvas& c, int x0, int x1, int baseY, uint32_t seed);
// A dark wooden board with a light rim, for signs; returns nothing, the caller paints on it.
void drawBoard(Canvas& c, int x0, int y0, int x1, int y1);
// A stack of cut logs, ends toward the viewer.
void drawLogPile(Canvas& c, int x0, int x1, int baseY, int rows, uint32_t seed);
// A plain wooden bench.
void drawBench(Canvas& c, int x0, int x1, int baseY);

}  // namespace scenery
