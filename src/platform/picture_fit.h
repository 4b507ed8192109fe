// picture_fit.h -- where the 640 x 480 picture lands in a window or on a screen
#pragma once

namespace platform {

struct PictureRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The largest whole scale of the picture that fits w x h; 0 when not even 1 does.
int wholeScaleFitting(int w, int h);
// The picture at wholeScaleFitting, centred, with bars around it; in an output smaller
// than the picture, shrunk to fit at 4:3.
PictureRect wholeScaleRect(int w, int h);
// The picture filling the height or the width at 4:3, centred.
PictureRect filledRect(int w, int h);

}  // namespace platform
