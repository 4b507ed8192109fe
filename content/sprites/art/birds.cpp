// birds.cpp -- the owl on its stump and the hopping crow, drawn as stamps
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

// ---- the owl: brown, pale face, orange eyes; it faces us and looks aside ----

const std::map<char, uint8_t> kOwlLegend = {
    {'d', 66},   {'B', 72},  {'b', 69}, {'G', 75}, {'F', 79}, {'f', 77}, {'O', 101},
    {'K', kInk}, {'Y', 187}, {'W', 69}, {'w', 67}, {'L', 78}, {'l', 71}, {'T', 188}};

// look: 0 eyes open (gazing right), 1 eyes closed, 2 head turned right round.
Stamp owl(int look) {
  std::vector<std::string> rows = {"..d........d..",  //
                                   "..dd......dd..",  //
                                   "..dGBBBBBBBd..",  //
                                   ".dGBBBBBBBBBd.",  //
                                   ".dFFFFBBFFFFd.",  //
                                   "dBFOOFBBFOOFBd",  //
                                   "dBFOKFBBFOKFBd",  //
                                   "dBBFFFYYFFFBBd",  //
                                   "dWBBBBYYBBBBWd",  //
                                   "dWWLLLLLLLLWWd",  //
                                   "dWWLlLLLlLLWWd",  //
                                   "dWwLLLlLLLLwWd",  //
                                   "dWwLlLLLLlLwWd",  //
                                   ".dwLLLlLLLLwd.",  //
                                   ".dWwLLLLLLwWd.",  //
                                   "..dwwLLLLwwd..",  //
                                   "...dddddddd...",  //
                                   "....TT..TT...."};
  if (look == 1) {
    rows[5] = "dBFFFFBBFFFFBd";
    rows[6] = "dBFddFBBFddFBd";
  } else if (look == 2) {  // the back of its head: no face, a darker crown
    rows[4] = ".dBBBbBBbBBBd.";
    rows[5] = "dBBbBBbbBBbBBd";
    rows[6] = "dBBBbBBBBbBBBd";
    rows[7] = "dBBbBBbbBBbBBd";
    rows[8] = "dWBBBBbBBBBBWd";
  }
  return makeStamp(rows, kOwlLegend);
}

Canvas owlFrame(int frame) {
  Canvas c(16, 20);
  const int look = frame == 10 ? 1 : frame == 11 ? 2 : 0;
  // It does not walk; asked to, it shuffles with a little hop.
  const int hop = (frame == 6 || frame == 8) ? 1 : 0;
  stamp(c, owl(look), 1, 1 - hop);
  c.outline();
  if (hop) c.shadow(4, 11, 19);
  return c;
}

// ---- the crow: black with a blue sheen; it hops, caws and spreads its wings ----

const std::map<char, uint8_t> kCrowLegend = {{'B', 4},  {'b', 3}, {'H', 123}, {'h', 122},
                                             {'E', 10}, {'g', 6}, {'G', 8},   {'w', 5}};

// pose: 0 standing, 1 cawing (head up, beak open).
Stamp crowBody(int pose) {
  std::vector<std::string> rows = {"..........bbb....",  //
                                   ".........bBBBb...",  //
                                   ".........BBEBGg..",  //
                                   "........bBBBBggg.",  //
                                   "......bbBBBBBb...",  //
                                   "...bbbBBBBBBb....",  //
                                   "bbbBBHHBBBBBb....",  //
                                   ".bbBHHHHHBBb.....",  //
                                   "...bBHhhHBBb.....",  //
                                   ".....bbbbbb......"};
  if (pose == 1) {
    rows[0] = ".........bbb..G..";
    rows[1] = "........bBBBbGg..";
    rows[2] = "........BBEBg....";
    rows[3] = "........bBBBBgg..";
    rows[4] = "......bbBBBBB.ggg";
  }
  return makeStamp(rows, kCrowLegend);
}

// The crow with its wings raised, a flap; its body sits a row lower than crowBody's.
Stamp crowFlapping() {
  return makeStamp({"...hH.............",  //
                    "...hHH............",  //
                    "....hHH.....bbb...",  //
                    "....hHHH...bBBBb..",  //
                    ".....hHHH..BBEBGg.",  //
                    ".....bHHHbbBBBBggg",  //
                    "...bbbBHHBBBBBb...",  //
                    "bbbBBBBBBBBBBb....",  //
                    ".bbBBBBBBBBBb.....",  //
                    "...bBBBBBBBb......",  //
                    ".....bbbbbb......."},
                   kCrowLegend);
}

Canvas crowFrame(int frame) {
  Canvas c(18, 18);
  const int legTop = 14;
  // The hop: 6 and 8 crouch, 7 and 9 in the air.
  const int dy = (frame == 6 || frame == 8) ? 1 : (frame == 7 || frame == 9) ? -2 : 0;
  const bool air = dy < 0;
  if (frame == 11)
    stamp(c, crowFlapping(), 0, 4);
  else
    stamp(c, crowBody(frame == 10 ? 1 : 0), 0, 5 + dy);
  // Legs from under the body to the snow; tucked back in the air.
  const int top = legTop + dy + 1;
  for (int x : {8, 10}) {
    if (air) {
      c.put(x - 1, top, 2), c.put(x - 2, top + 1, 2);
      continue;
    }
    for (int y = top; y < 16; ++y) c.put(x, y, 2);
    c.put(x + 1, 16, 2), c.put(x - 1, 16, 2), c.put(x, 16, 2);
  }
  c.outline();
  if (air) c.shadow(5, 12, 17);
  return c;
}

}  // namespace

Frames owl() { return twelveFrames(owlFrame); }
Frames crow() { return twelveFrames(crowFrame); }

}  // namespace art
