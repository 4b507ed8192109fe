// findings.h -- the errors and warnings found in one map file
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace maplint {

struct Finding {
  int line = 0;
  bool error = true;
  std::string message;     // UTF-8
  std::string suggestion;  // UTF-8: the keyword that was likely meant, or empty
};

class Findings {
 public:
  void error(int line, const std::string& message, const std::string& suggestion = "") {
    add({line, true, message, suggestion});
  }
  void warning(int line, const std::string& message) { add({line, false, message, ""}); }
  void add(const Finding& f) {
    if (!quiet) list_.push_back(f);
  }
  int errors() const;
  int warnings() const { return int(list_.size()) - errors(); }
  // Ordered by line; checks made after the reading (jump targets, files) come in among
  // the others.
  std::vector<Finding> sorted() const;
  // "file:line: error: message" (or warning), one a line, in the order of the lines.
  void print(const std::string& file, FILE* out) const;

  // While quiet, nothing is kept: for reading on after an error in a way that is only a
  // guess at what the author meant.
  bool quiet = false;

 private:
  std::vector<Finding> list_;
};

// The findings of several files as one JSON array of {file, line, severity, message,
// suggestion}, suggestion null when there is none.
void printJson(const std::vector<std::pair<std::string, const Findings*>>& files, FILE* out);

}  // namespace maplint
