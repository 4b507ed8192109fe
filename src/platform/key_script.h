// key_script.h -- key scripts: one key change per line, "READ KEY down|up"
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct KeyChange {
  uint64_t read = 0;  // the keyboard read (from 0) that first sees the change
  uint8_t code = 0;
  bool down = false;
};

// A script is a person's or a recorder's: a megabyte and 100,000 lines are far more than
// either writes, and a file beyond them is refused rather than read without end.
inline constexpr uint64_t kKeyScriptMaxBytes = uint64_t(1) << 20;
inline constexpr int kKeyScriptMaxLines = 100000;

// Parses a whole script. On a malformed line, or one past the last line a script may
// have, returns false and sets error to "line N: why".
bool parseKeyScript(const std::string& text, std::vector<KeyChange>& changes, std::string& error);

// Plays changes in order: state(R) holds every change whose read is at most R.
class KeyScriptPlayer {
 public:
  explicit KeyScriptPlayer(std::vector<KeyChange> changes);
  void stateAtRead(uint64_t read, uint8_t state[256]);

 private:
  std::vector<KeyChange> changes_;
  size_t next_ = 0;
  uint8_t state_[256] = {};
};

// Collects the changes between successive reads as script lines.
class KeyRecorder {
 public:
  void observe(uint64_t read, const uint8_t state[256]);
  const std::string& text() const { return text_; }

 private:
  uint8_t last_[256] = {};
  std::string text_;
};

}  // namespace platform
