// key_script.cpp -- reading, playing and recording key scripts
#include "platform/key_script.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/keyboard.h"

namespace platform {
namespace {

bool parseRead(const std::string& token, uint64_t& read) {
  if (token.empty() || token.size() > 18) return false;
  for (char c : token)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  read = std::stoull(token);
  return true;
}

}  // namespace

bool parseKeyScript(const std::string& text, std::vector<KeyChange>& changes, std::string& error) {
  changes.clear();
  std::istringstream in(text);
  std::string line;
  int number = 0;
  const auto fail = [&](const std::string& why) {
    error = "line " + std::to_string(number) + ": " + why;
    return false;
  };
  while (std::getline(in, line)) {
    if (++number > kKeyScriptMaxLines)
      return fail("more than " + std::to_string(kKeyScriptMaxLines) + " lines in a script");
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string readToken, keyToken, stateToken, extra;
    if (!(fields >> readToken)) continue;  // blank or comment only
    KeyChange change;
    if (!parseRead(readToken, change.read)) return fail("bad read number '" + readToken + "'");
    if (!(fields >> keyToken)) return fail("missing key");
    if (!parseDikKey(keyToken, change.code)) return fail("unknown key '" + keyToken + "'");
    if (!(fields >> stateToken)) return fail("missing 'down' or 'up'");
    if (stateToken == "down") {
      change.down = true;
    } else if (stateToken != "up") {
      return fail("expected 'down' or 'up', not '" + stateToken + "'");
    }
    if (fields >> extra) return fail("unexpected '" + extra + "'");
    changes.push_back(change);
  }
  // Changes of the same read keep their order of lines.
  std::stable_sort(changes.begin(), changes.end(),
                   [](const KeyChange& a, const KeyChange& b) { return a.read < b.read; });
  return true;
}

KeyScriptPlayer::KeyScriptPlayer(std::vector<KeyChange> changes) : changes_(std::move(changes)) {}

void KeyScriptPlayer::stateAtRead(uint64_t read, uint8_t state[256]) {
  while (next_ < changes_.size() && changes_[next_].read <= read) {
    const KeyChange& c = changes_[next_++];
    state_[c.code] = c.down ? 0x80 : 0;
  }
  std::memcpy(state, state_, 256);
}

void KeyRecorder::observe(uint64_t read, const uint8_t state[256]) {
  for (int code = 1; code < 256; ++code) {
    const bool down = state[code] != 0, was = last_[code] != 0;
    if (down == was) continue;
    const char* name = dikName(static_cast<uint8_t>(code));
    char hex[8];
    if (!name) {
      std::snprintf(hex, sizeof hex, "0x%02X", code);
      name = hex;
    }
    text_ += std::to_string(read) + " " + name + (down ? " down\n" : " up\n");
    last_[code] = state[code];
  }
}

}  // namespace platform
