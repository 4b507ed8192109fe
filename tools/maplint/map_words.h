// map_words.h -- the keywords of map files, in code page 949, and what each reads after it
#pragma once

#include <string>

namespace maplint {

// What an event command reads after its keyword.
enum class Args {
  kNone,
  kNumber,     // one number: the hero's x
  kHeroWalk,   // the hero's walk frames
  kActor,      // an actor slot
  kActorWalk,  // an actor slot and walk frames
  kIcon,       // who (0 the hero, k the actor in slot k - 1) and the icon kind
  kFlag,       // flag number and value
  kIf,         // "플러그", flag, value, event
  kVisual,     // a cut-scene script name
  kWarp,       // a map name and the hero's x
  kText,       // title, a second word, then the text block
};

struct CommandWord {
  const char* utf8;
  Args args;
};

// The event command with this code page 949 keyword, or null.
const CommandWord* findCommand(const std::string& cp949);

enum class Behaviour { kNone, kNumber, kSpeak };
// Whether a behaviour keyword reads a number or the speech line after it.
Behaviour findBehaviour(const std::string& cp949);

// "플러그", the one word that may follow "만약".
const std::string& flagWord();

// Code page 949 text as UTF-8 for a message, cut short when long.
std::string shown(const std::string& cp949);

}  // namespace maplint
