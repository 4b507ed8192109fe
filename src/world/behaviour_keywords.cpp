// behaviour_keywords.cpp -- finding a behaviour keyword by its code page 949 bytes
#include "world/behaviour_keywords.h"

namespace world {

int behaviourCode(std::string_view cp949) {
  for (const BehaviourKeyword& k : kBehaviourKeywords)
    if (cp949 == k.word) return k.code;
  return -1;
}

}  // namespace world
