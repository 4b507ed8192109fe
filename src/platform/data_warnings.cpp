// data_warnings.cpp -- the one way a data file's warning is said and kept
#include "platform/data_warnings.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/terminal_text.h"

namespace platform {

void warnDataFile(const std::string& file, const std::string& reason) {
  using Bound = common::Bound<DataWarnings>;
  if (Bound::bound()) {
    auto& list = Bound::get().list;
    const auto same = [&](const DataWarning& w) { return w.file == file && w.reason == reason; };
    if (std::find_if(list.begin(), list.end(), same) != list.end()) return;
    if (list.size() < kMaxKeptWarnings) list.push_back({file, reason});
    if (Bound::get().quiet) return;
  }
  printErrorLine("game: warning: " + cp949ToUtf8(file) + ": " + reason);
}

std::string endsAfter(size_t got, size_t size) {
  return "ends after " + std::to_string(got) + " of its " + std::to_string(size) + " bytes";
}

}  // namespace platform
