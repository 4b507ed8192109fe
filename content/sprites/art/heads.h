// heads.h -- the legend shared by the head stamps: skin, hair, eyes and two hat materials
#pragma once

#include <map>
#include <string>
#include <vector>

#include "art/canvas.h"

namespace art {

// K ink; L S s t skin (light to deep); C cheek; M mouth; G B b d hair;
// H A a h the hat (light to deep); V W w v a second material (a band, a pompom, a brim).
std::map<char, uint8_t> headLegend(const Ramp& skin, const Ramp& hair, const Ramp& hat,
                                   const Ramp& second);

Stamp makeStamp(std::vector<std::string> rows, std::map<char, uint8_t> legend);

}  // namespace art
