// map_words.cpp -- keyword tables, written in UTF-8 here and compared in code page 949
#include "maplint/map_words.h"

#include <cstdint>
#include <map>

#include "platform/encoding.h"

namespace maplint {
namespace {

constexpr CommandWord kCommands[] = {
    {"주인공-차렷", Args::kNone},
    {"주인공-쉬어", Args::kNone},
    {"주인공-왼쪽보기", Args::kNone},
    {"주인공-오른쪽보기", Args::kNone},
    {"주인공-이동", Args::kNumber},
    {"주인공-좌로가", Args::kHeroWalk},
    {"주인공-우로가", Args::kHeroWalk},
    {"주인공-아래보기", Args::kNone},
    {"주인공-위에보기", Args::kNone},
    {"카메라-셋", Args::kNone},
    {"플러그", Args::kFlag},
    {"만약", Args::kIf},
    {"비주얼모드", Args::kVisual},
    {"워프", Args::kWarp},
    {"풍선찍기", Args::kIcon},
    {"왼쪽보기", Args::kActor},
    {"오른쪽보기", Args::kActor},
    {"좌로가", Args::kActorWalk},
    {"우로가", Args::kActorWalk},
    {"사라진다", Args::kActor},
    {"게임끝", Args::kNone},
    {"글씨찍기", Args::kText},
};

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

const CommandWord* findCommand(const std::string& cp949) {
  static const auto table = [] {
    std::map<std::string, const CommandWord*> m;
    for (const CommandWord& c : kCommands) m[platform::utf8ToCp949(c.utf8)] = &c;
    return m;
  }();
  const auto it = table.find(cp949);
  return it == table.end() ? nullptr : it->second;
}

Behaviour findBehaviour(const std::string& cp949) {
  static const auto table = [] {
    std::map<std::string, Behaviour> m;
    for (const BehaviourWord& b : kBehaviours) m[platform::utf8ToCp949(b.utf8)] = b.kind;
    return m;
  }();
  const auto it = table.find(cp949);
  return it == table.end() ? Behaviour::kNone : it->second;
}

const std::string& flagWord() {
  static const std::string word = platform::utf8ToCp949("플러그");
  return word;
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
