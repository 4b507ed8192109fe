// findings.cpp -- counting and printing what the checker found
#include "maplint/findings.h"

#include <algorithm>

namespace maplint {

int Findings::errors() const {
  return int(std::count_if(list_.begin(), list_.end(), [](const Finding& f) { return f.error; }));
}

void Findings::print(const std::string& file, FILE* out) const {
  std::vector<Finding> sorted = list_;
  // Checks made after the reading (jump targets, files) come in among the others.
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  for (const Finding& f : sorted)
    std::fprintf(out, "%s:%d: %s: %s\n", file.c_str(), f.line, f.error ? "error" : "warning",
                 f.message.c_str());
}

}  // namespace maplint
