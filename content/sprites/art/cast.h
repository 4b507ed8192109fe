// cast.h -- what the people packs share: the usual build of a grown-up and of a child, and
// head stamps that look down and up
#pragma once

#include <vector>

#include "art/person.h"

namespace art {

Body adult();  // 32 x 48
Body child();  // 28 x 36

// The stamp three ways: ahead, looking down (eyes to a lower line), looking up (eyes a
// row higher). eyeRow is the upper row of the eyes ('K').
std::vector<Stamp> lookingWays(const Stamp& s, int eyeRow);

// Over the pixels of the mask that show the ramp's tones, a check of the other ramp: every
// third row and column (a flannel shirt).
void checks(Canvas& c, const Mask& m, const Ramp& cloth, const Ramp& lines);

}  // namespace art
