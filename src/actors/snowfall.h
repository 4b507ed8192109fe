// snowfall.h -- three layers of falling flakes and the snow pile along the ground
#pragma once

#include <cstdint>

#include "common/geometry.h"

namespace actors {

constexpr int kSnowSlots = 400;
// One column of the pile for each column of the map.
constexpr int kPileColumns = common::kMapWidth;
constexpr int kFullPile = 3;

struct SnowSlot {
  int32_t farX, midX, nearX;  // far: far-layer columns; middle: map columns; near: half-pixels
  int32_t farY, midY, nearY;  // page rows
};

// A full pile and n / 2 far, 2n middle and n near flakes scattered over the map area.
void initSnow(int n);
void updateSnow();
// Presses the pile down to 1 under the character whose left edge is at x.
void trampleSnow(float x);
void drawSnowFar();
void drawSnowMiddle();
void drawSnowPile();
void drawSnowNear();

}  // namespace actors
