// map_words.cpp -- the engine's behaviour keywords as maplint asks for them, and text shown in
// messages
#include "maplint/map_words.h"

#include <cstdint>

#include "platform/encoding.h"
#include "world/behaviour_keywords.h"

namespace maplint {

Behaviour findBehaviour(const std::string& cp949) {
  const int code = world::behaviourCode(cp949);
  if (code < 0) return Behaviour::kNone;
  return code == actors::kStepSpeak ? Behaviour::kSpeak : Behaviour::kNumber;
}

std::string shown(const std::string& cp949) {
  constexpr size_t kLongest = 40;
  std::string cut = cp949.substr(0, kLongest);
  // Never cut a two-byte character in half.
  size_t i = 0;
  while (i < cut.size()) i += uint8_t(cut[i]) >= 0x80 ? 2 : 1;
  if (i > cut.size()) cut.pop_back();
  return platform::cp949ToUtf8(cut) + (cut.size() < cp949.size() ? "..." : "");
}

}  // namespace maplint
