// map_words.cpp -- the behaviour keywords, written in UTF-8 here and compared in code page 949
#include "maplint/map_words.h"

#include <cstdint>
#include <map>

#include "platform/encoding.h"

namespace maplint {
namespace {

struct BehaviourWord {
  const char* utf8;
  Behaviour kind;
};
constexpr BehaviourWord kBehaviours[] = {
    {"서있기", Behaviour::kNumber},         {"왼쪽으로가기", Behaviour::kNumber},
    {"오른쪽으로가기", Behaviour::kNumber}, {"그림찍기", Behaviour::kNumber},
    {"말하기", Behaviour::kSpeak},
};

}  // namespace

Behaviour findBehaviour(const std::string& cp949) {
  static const auto table = [] {
    std::map<std::string, Behaviour> m;
    for (const BehaviourWord& b : kBehaviours) m[platform::utf8ToCp949(b.utf8)] = b.kind;
    return m;
  }();
  const auto it = table.find(cp949);
  return it == table.end() ? Behaviour::kNone : it->second;
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
