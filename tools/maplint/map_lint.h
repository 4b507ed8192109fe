// map_lint.h -- one map file checked as the game reads it: what it holds and what is wrong
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "maplint/findings.h"
#include "world/event_reader.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace maplint {

// A name that the map gives for a file of the data folder, with its line.
struct NamedFile {
  std::string name;  // code page 949
  int line = 0;
};

struct ActorFacts {
  std::string name;
  NamedFile pack;
  int event = 0;
  int eventLine = 0;
  int mode = 0;
};

struct Jump {
  int from = 0;  // the event that jumps
  int to = 0;
  int line = 0;
};

struct Warp {
  NamedFile map;
  int x = 0;
  bool hasX = false;
  int xLine = 0;
};

// What the checks after the reading need: the names of the files that the map uses,
// its actors, the events it defines and the jumps between them, the flags it sets and
// the flags it reads.
struct MapFacts {
  NamedFile background;
  std::vector<ActorFacts> actors;
  std::map<int, int> events;  // defined event -> line of its first label
  std::vector<Jump> jumps;
  std::vector<NamedFile> visuals;
  std::vector<Warp> warps;
  std::set<int> flagsSet;
  std::vector<std::pair<int, int>> flagsRead;  // flag, line
};

// Limits of the game's tables: the longest text each cell holds, and the largest counts.
constexpr size_t kNameBytes = actors::kNameSize - 1;
constexpr size_t kLabelBytes = world::kLabelSize - 1;
constexpr size_t kCellBytes = world::kCellSize - 1;
constexpr int kMaxActors = world::kMaxActors;
constexpr int kMaxSteps = actors::kMaxSteps;
constexpr int kMaxEvent = world::kEventCount - 1;
// The closing label takes a step too.
constexpr int kMaxCommands = world::kStepCount - 1;
constexpr int kTextCells = world::kTextLineCount;
constexpr int kFlagCount = world::kFlagCount;
constexpr int kIconKinds = world::kIconKinds;
// The balloon draws its body from view column 14 to the view's last, 319.
constexpr int kBalloonWidth = 305;
constexpr int kBalloonRows = 4;

// Checks the map text (code page 949, as the game reads it) and fills facts.
void lintMapText(const std::string& cp949, Findings& findings, MapFacts& facts);
// Checks that the files the map names are in the data folder dataDir.
void checkDataFiles(const MapFacts& facts, const std::string& dataDir, Findings& findings);

// What the map's place among the game's maps shows: flags it reads that no map sets
// (flagsSet: those set by every map of the game), warps to maps that are not there
// (mapNames: every map of the game; null when they are not known) or to an x off the
// map, and events that nothing starts.
void checkAmongMaps(const MapFacts& facts, const std::set<int>& flagsSet,
                    const std::set<std::string>* mapNames, Findings& findings);

}  // namespace maplint
