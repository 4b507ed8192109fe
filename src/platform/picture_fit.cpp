// picture_fit.cpp -- whole-number and filling placements of the picture
#include "platform/picture_fit.h"

#include <algorithm>
#include <cstdint>

#include "common/geometry.h"

namespace platform {
namespace {

PictureRect centred(int w, int h, int pw, int ph) { return {(w - pw) / 2, (h - ph) / 2, pw, ph}; }

}  // namespace

int wholeScaleFitting(int w, int h) {
  return std::max(0, std::min(w / common::kScreenWidth, h / common::kScreenHeight));
}

PictureRect wholeScaleRect(int w, int h) {
  const int scale = wholeScaleFitting(w, h);
  if (scale == 0) return filledRect(w, h);
  return centred(w, h, common::kScreenWidth * scale, common::kScreenHeight * scale);
}

PictureRect filledRect(int w, int h) {
  // Integer arithmetic: the wider side is cut to 4:3 of the other.
  if (int64_t(w) * common::kScreenHeight > int64_t(h) * common::kScreenWidth)
    return centred(w, h, h * common::kScreenWidth / common::kScreenHeight, h);
  return centred(w, h, w, w * common::kScreenHeight / common::kScreenWidth);
}

}  // namespace platform
