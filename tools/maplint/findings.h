// findings.h -- the errors and warnings found in one map file
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace maplint {

struct Finding {
  int line = 0;
  bool error = true;
  std::string message;  // UTF-8
};

class Findings {
 public:
  void error(int line, const std::string& message) { list_.push_back({line, true, message}); }
  void warning(int line, const std::string& message) { list_.push_back({line, false, message}); }
  int errors() const;
  int warnings() const { return int(list_.size()) - errors(); }
  // "file:line: error: message" (or warning), one a line, in the order of the lines.
  void print(const std::string& file, FILE* out) const;

 private:
  std::vector<Finding> list_;
};

}  // namespace maplint
