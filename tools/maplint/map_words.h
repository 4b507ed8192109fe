// map_words.h -- what a behaviour keyword reads after it, and code page 949 text in messages
#pragma once

#include <string>

namespace maplint {

enum class Behaviour { kNone, kNumber, kSpeak };
// Whether a behaviour keyword reads a number or the speech line after it.
Behaviour findBehaviour(const std::string& cp949);

// Code page 949 text as UTF-8 for a message, cut short when long.
std::string shown(const std::string& cp949);

}  // namespace maplint
