// data_warnings.h -- data files that failed to load or came short: said on stderr, kept for the
// state dump
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/bound_state.h"

namespace platform {

struct DataWarning {
  std::string file;    // as the game names it ("grim\CHAR1.idx"), code page 949
  std::string reason;  // plain English
};

// The warnings of the running game, in the order given, each file and reason once.
struct DataWarnings {
  std::vector<DataWarning> list;
  // Kept only, not written to stderr (the fuzz targets, which load broken files by the million).
  bool quiet = false;
};
// No data folder has this many broken files; past it a warning is still said but not kept, so
// that a game that loads broken files without end keeps its memory flat.
constexpr size_t kMaxKeptWarnings = 1000;

// Tells the author about a data file that failed to load or came short, where the game itself
// goes on silently or with no more than its message box: one line "game: warning: FILE: REASON"
// on stderr, and the same kept in the running game's warnings. A file and reason given before
// are not repeated (a map's palette is loaded at every map start). Every such line goes through
// here; the screen and the boxes stay as they are.
void warnDataFile(const std::string& file, const std::string& reason);

// The running game's warnings, owned by the game object, which binds it.
inline DataWarnings& dataWarnings() { return common::Bound<DataWarnings>::get(); }

// The reasons the loaders give, so that one kind of fault reads alike for every file.
constexpr const char* kEmpty = "is empty";
// "ends after GOT of its SIZE bytes"
std::string endsAfter(size_t got, size_t size);

}  // namespace platform
