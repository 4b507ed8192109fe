// event_language.cpp -- finding an event keyword by its code page 949 bytes
#include "world/event_language.h"

namespace world {

const EventKeyword* findEventKeyword(std::string_view cp949) {
  for (const EventKeyword& k : kEventKeywords)
    if (cp949 == k.word) return &k;
  return nullptr;
}

}  // namespace world
