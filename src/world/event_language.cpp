// event_language.cpp -- finding an event keyword by its bytes, and the numbers of event text
#include "world/event_language.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace world {

const EventKeyword* findEventKeyword(std::string_view cp949) {
  for (const EventKeyword& k : kEventKeywords)
    if (cp949 == k.word) return &k;
  return nullptr;
}

int32_t decimalValue(const char* text) {
  // strtoll saturates where atoi would overflow.
  const long long v = std::strtoll(text, nullptr, 10);
  return int32_t(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

}  // namespace world
