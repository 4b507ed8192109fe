// map_lint.h -- one map file checked as the game reads it: what it holds and what is wrong
#pragma once

#include <map>
#include <string>
#include <vector>

#include "maplint/findings.h"

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
};

// What the checks after the reading need: the names of the files that the map uses,
// its actors, the events it defines and the jumps between them.
struct MapFacts {
  NamedFile background;
  std::vector<ActorFacts> actors;
  std::map<int, int> events;               // defined event -> line of its first label
  std::vector<std::pair<int, int>> jumps;  // target event, line
  std::vector<NamedFile> visuals;
  std::vector<NamedFile> warps;
};

// Limits of the game's tables.
constexpr size_t kNameBytes = 19;
constexpr size_t kLabelBytes = 7;
constexpr size_t kCellBytes = 254;
constexpr int kMaxActors = 50;
constexpr int kMaxSteps = 29;
constexpr int kMaxEvent = 100;
constexpr int kMaxCommands = 199;
constexpr int kTextCells = 501;
constexpr int kFlagCount = 100;
constexpr int kIconKinds = 8;
// The balloon draws its body from view column 14 to the view's last, 319.
constexpr int kBalloonWidth = 305;
constexpr int kBalloonRows = 4;

// Checks the map text (code page 949, as the game reads it) and fills facts.
void lintMapText(const std::string& cp949, Findings& findings, MapFacts& facts);
// Checks that the files the map names are in the data folder dataDir.
void checkDataFiles(const MapFacts& facts, const std::string& dataDir, Findings& findings);

}  // namespace maplint
