// settings_file.h -- a plain "key = value" file that keeps the player's lines when rewritten
#pragma once

#include <string>
#include <vector>

namespace platform {

// The wrong lines of a file: the first one said, the others counted.
struct LineProblems {
  int line = 0;  // 0: none
  std::string why;
  int count = 0;
  void add(int atLine, const std::string& reason);
  // "FILE:LINE: why (and N more wrong lines)"
  std::string message(const std::string& path) const;
};

// The lines of a settings file as read: comments (from # or ; at the start of a line),
// blank lines and unknown keys are kept as they were, so that writing the file back
// changes only the values that were set.
class SettingsFile {
 public:
  struct Entry {
    std::string key, value;
    int line = 0;  // from 1
  };

  // Parses text; false when a line is not "key = value", a comment or blank (such lines
  // are skipped). A file with such a line is never written back.
  bool parse(const std::string& text, LineProblems& problems);
  const std::vector<Entry>& entries() const { return entries_; }

  // Sets key to value: in its last line when it has one, else in a new line at the end.
  void set(const std::string& key, const std::string& value);
  std::string text() const;

 private:
  std::vector<std::string> lines_;  // without line ends
  std::vector<Entry> entries_;
  bool crlf_ = false;
};

// Writes text to path through a temporary file beside it and a rename, so that the
// file is either the old one or the new one whole; makes its folder when missing.
bool replaceFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace platform
