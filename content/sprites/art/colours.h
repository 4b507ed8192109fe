// colours.h -- the game palette's entries that the sprites are painted in, as ramps of four
// tones (light, base, shade, deep); see content/palette/game.colours for the ramps
#pragma once

#include "art/canvas.h"

namespace art::colours {

// Skin, cheeks, lips.
constexpr Ramp kSkin{49, 51, 54, 60};
constexpr Ramp kSkinOld{50, 52, 55, 61};
constexpr uint8_t kCheek = 57, kEye = 1, kMouth = 59;
// Hair: dark brown to blond, and greys for the old.
constexpr Ramp kHairBrown{187, 186, 185, 184};
constexpr Ramp kHairBlack{4, 3, 2, 1};
constexpr Ramp kHairBlond{191, 190, 188, 186};
constexpr Ramp kHairWhite{15, 13, 11, 9};
// Cloth.
constexpr Ramp kBlueCoat{130, 127, 124, 122};
constexpr Ramp kNavy{126, 123, 121, 120};
constexpr Ramp kRed{88, 86, 84, 82};
constexpr Ramp kDarkRed{85, 83, 81, 80};
constexpr Ramp kGreen{116, 113, 110, 107};
constexpr Ramp kPine{112, 109, 107, 105};
constexpr Ramp kPink{237, 234, 231, 228};
constexpr Ramp kRose{232, 229, 226, 225};
constexpr Ramp kPurple{147, 143, 140, 137};
constexpr Ramp kTeal{179, 176, 173, 170};
constexpr Ramp kOlive{250, 247, 244, 242};
constexpr Ramp kKhaki{253, 250, 247, 244};
constexpr Ramp kMustard{95, 98, 101, 214};
constexpr Ramp kWhiteCloth{15, 14, 12, 10};
constexpr Ramp kGreyCloth{11, 9, 7, 5};
constexpr Ramp kCharcoal{7, 5, 4, 3};
constexpr Ramp kTrousers{158, 156, 154, 152};
constexpr Ramp kBrownCoat{74, 71, 68, 66};
constexpr Ramp kTan{78, 76, 73, 70};
constexpr Ramp kRust{218, 215, 212, 210};
// Leather, wood, fur.
constexpr Ramp kBoot{71, 68, 66, 64};
constexpr Ramp kDarkBoot{67, 66, 65, 64};
constexpr Ramp kLeather{220, 216, 213, 210};
constexpr Ramp kWood{77, 74, 71, 68};
constexpr Ramp kDarkWood{70, 68, 66, 64};
constexpr Ramp kStraw{191, 190, 189, 187};
constexpr Ramp kFur{165, 162, 159, 156};
constexpr Ramp kDarkFur{161, 158, 155, 153};
constexpr Ramp kOrangeFur{100, 102, 103, 213};
constexpr Ramp kStone{163, 160, 157, 154};
constexpr Ramp kIron{9, 7, 5, 3};
constexpr Ramp kSteel{13, 11, 8, 6};
// Snow and ice (the snowman), never the flakes' own entries.
constexpr Ramp kSnowBody{19, 21, 24, 28};
// Light.
constexpr Ramp kGlow{91, 93, 96, 99};
constexpr Ramp kEmber{96, 99, 102, 103};

}  // namespace art::colours
