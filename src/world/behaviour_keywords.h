// behaviour_keywords.h -- the keywords of a map actor's behaviour list and their step codes
#pragma once

#include <string_view>

#include "actors/actor.h"

namespace world {

struct BehaviourKeyword {
  const char* word;  // code page 949
  actors::StepCode code;
};

// Each keyword but "말하기" takes a number; "말하기" takes the rest of its line.
inline constexpr BehaviourKeyword kBehaviourKeywords[] = {
    {"\xBC\xAD\xC0\xD6\xB1\xE2", actors::kStepStand},                             // 서있기
    {"\xBF\xDE\xC2\xCA\xC0\xB8\xB7\xCE\xB0\xA1\xB1\xE2", actors::kStepWalkLeft},  // 왼쪽으로가기
    {"\xBF\xC0\xB8\xA5\xC2\xCA\xC0\xB8\xB7\xCE\xB0\xA1\xB1\xE2",
     actors::kStepWalkRight},                                    // 오른쪽으로가기
    {"\xB1\xD7\xB8\xB2\xC2\xEF\xB1\xE2", actors::kStepPicture},  // 그림찍기
    {"\xB8\xBB\xC7\xCF\xB1\xE2", actors::kStepSpeak},            // 말하기
};

// The step code of the keyword with these code page 949 bytes, or -1.
int behaviourCode(std::string_view cp949);

// The keyword of a step code; null for one that no keyword makes.
constexpr const char* behaviourKeyword(actors::StepCode code) {
  for (const BehaviourKeyword& k : kBehaviourKeywords)
    if (k.code == code) return k.word;
  return nullptr;
}

}  // namespace world
