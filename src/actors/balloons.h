// balloons.h -- the text balloon of a conversation and the icon balloon over a character
#pragma once

namespace actors {

// Palette indices of balloon and caption text: the face, the title's outline,
// and the top of the ramps that start at the face colour.
constexpr int kTextFace = 192;
constexpr int kTitleOutline = 200;
constexpr int kRampTop = 207;
// An icon balloon opens, stays and closes in this many frames.
constexpr int kIconFrames = 130;
// The text ticker wraps from 9998 back to this, keeping its place in the
// cursor's 24-frame cycle.
constexpr int kTickerWrap = 9975;

// The open text balloon (the title sliding in, the body typed a byte a frame,
// then the cursor) and the running icon balloon, into APAGE; advances their
// tickers, sets TextShown when the body is complete and ends the icon balloon.
void drawBalloons();

// Four copies of text in one colour, one pixel left of, right of, above and below (x, y).
void drawOutline(const char* text, int x, int y, int colour);

}  // namespace actors
