// geometry.h -- the screen, the drawing page and the view on it, and the map's extent
#pragma once

namespace common {

// The screen mode: 640 x 480, one palette index a pixel.
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// Every page the game draws into is as large as the screen.
constexpr int kPageWidth = kScreenWidth;
constexpr int kPageHeight = kScreenHeight;

// The view: the part of the drawing page that reaches the screen, doubled both ways.
constexpr int kViewWidth = kScreenWidth / 2;    // 320
constexpr int kViewHeight = kScreenHeight / 2;  // 240
// Its top-left corner on the page, and its right and bottom edges (exclusive).
constexpr int kViewLeft = 128;
constexpr int kViewTop = 128;
constexpr int kViewRight = kViewLeft + kViewWidth;   // 448
constexpr int kViewBottom = kViewTop + kViewHeight;  // 368

// A map is 1280 columns wide; its picture fills the top 177 rows of the view.
constexpr int kMapWidth = 1280;
constexpr int kMapAreaHeight = 177;
// The camera is the map column at the view's left edge: 0 to the last place where the
// view still lies inside the map.
constexpr int kCameraMin = 0;
constexpr int kCameraMax = kMapWidth - kViewWidth;  // 960

// Characters stand with their feet on page row 287, one above the baseline.
constexpr int kBaseline = 288;

}  // namespace common
