// heads.cpp -- the legend shared by the head stamps
#include "art/heads.h"

#include "art/colours.h"

namespace art {

std::map<char, uint8_t> headLegend(const Ramp& skin, const Ramp& hair, const Ramp& hat,
                                   const Ramp& second) {
  return {{'K', kInk},        {'L', skin.hi},         {'S', skin.base},       {'s', skin.shade},
          {'t', skin.deep},   {'C', colours::kCheek}, {'M', colours::kMouth}, {'G', hair.hi},
          {'B', hair.base},   {'b', hair.shade},      {'d', hair.deep},       {'H', hat.hi},
          {'A', hat.base},    {'a', hat.shade},       {'h', hat.deep},        {'V', second.hi},
          {'W', second.base}, {'w', second.shade},    {'v', second.deep}};
}

Stamp makeStamp(std::vector<std::string> rows, std::map<char, uint8_t> legend) {
  return Stamp{std::move(rows), std::move(legend)};
}

}  // namespace art
