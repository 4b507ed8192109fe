// sheet_help.h -- the description of a pack sheet that png2pack and pack2png print
#pragma once

namespace tools {

constexpr const char* kSheetHelp =
    "The sheet: the frames stand left to right in frame order, each inside a box, a\n"
    "one-pixel border of the guide colour (default #ff00ff) around the frame's own width x\n"
    "height. Every box's top edge lies on the sheet's top row, and boxes are kept apart by\n"
    "at least one column that is not of the guide colour on that row. A frame's size is its\n"
    "box's inside: to resize a frame, move its box's edges. A 0 x 0 frame is a box of 2 x 2\n"
    "guide pixels. Pixels with alpha below 128 are index 255, the transparent index. The\n"
    "rest of the sheet is not read, except that nothing directly below a box's left edge\n"
    "may be of the guide colour. A pack holds at most 50 frames, each at most 640 x 480.\n"
    "\n"
    "pack2png writes a palettized PNG with the palette's colours, index for index, and the\n"
    "guide colour in an entry the frames do not use, so png2pack gives back the same bytes.\n"
    "A frame pixel of a palettized sheet keeps its index k when the sheet's colour k is the\n"
    "palette's colour k; any other pixel takes the lowest entry of its exact colour, or else\n"
    "the nearest entry 0..254 by the redmean distance (see mkpal --help), and png2pack says\n"
    "how many did.\n";

}  // namespace tools
