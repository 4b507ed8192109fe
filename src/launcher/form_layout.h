// form_layout.h -- where the controls of `Form1` lie, from the form's layout in twips
#pragma once

namespace launcher {

struct ControlRect {
  int left, top, width, height;
};

// The layout is in twips; at the usual 96 dots per inch a pixel is 15 twips.
inline constexpr int TwipsPerPixel = 15;

constexpr ControlRect fromTwips(int left, int top, int width, int height) {
  return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

inline constexpr ControlRect Form1Rect = fromTwips(3030, 1530, 7095, 3495);  // client area
inline constexpr ControlRect Text1Rect = fromTwips(0, 0, 4215, 2775);
inline constexpr ControlRect Command1Rect = fromTwips(0, 2760, 4215, 255);
inline constexpr ControlRect Command2Rect = fromTwips(0, 3000, 4215, 255);
inline constexpr ControlRect Command3Rect = fromTwips(0, 3240, 4215, 255);
inline constexpr ControlRect Picture1Rect = fromTwips(4200, 0, 2895, 3495);

// The artwork beside the read-me in the launcher's working directory.
inline constexpr char PictureFileName[] = "launcher.gif";    // 189 x 229
inline constexpr char IconFileName[] = "launcher_icon.png";  // 32 x 32

// A Korean font chosen by name: the toolkit draws a label in one font, without falling
// back to another for the characters it lacks.
inline constexpr char KoreanFontName[] = " NanumGothic";
inline constexpr char KoreanBoldFontName[] = "BNanumGothic";
inline constexpr int TextSize = 12;

}  // namespace launcher
