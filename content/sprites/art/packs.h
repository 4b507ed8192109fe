// packs.h -- every sprite pack of the demo game, as frames drawn by code
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "art/canvas.h"

namespace art {

using Frames = std::vector<Canvas>;

struct PackArt {
  std::string name;
  std::function<Frames()> make;
};

// In the order the contact sheet shows them.
std::vector<PackArt> allPacks();

// people.cpp, villagers.cpp, outdoors.cpp
Frames hero();
Frames postman();
Frames boy();
Frames chief();
Frames baker();
Frames smith();
Frames girl();
Frames fisher();
Frames skater();
Frames woodcutter();
Frames herbalist();
Frames keeper();
Frames grandma();
// animals.cpp, birds.cpp
Frames dog();
Frames fox();
Frames deer();
Frames owl();
Frames crow();
// things.cpp, bridge.cpp, balloons.cpp
Frames snowman();
Frames lampOn();
Frames lampOff();
Frames bridge();
Frames cursor();
Frames bubble();

}  // namespace art
