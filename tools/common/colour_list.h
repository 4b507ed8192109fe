// colour_list.h -- palettes written as text: one colour a line, with comments and ramps
#pragma once

#include <array>
#include <string>

#include "common/palette_file.h"

namespace tools {

// The text format (also shown by mkpal --help):
//   # a comment: any '#' that does not begin a colour, up to the line's end
//   #ff8000          next entry (the first is 0, then one past the last given)
//   255 128 0        next entry, as decimal red green blue
//   12 #ff8000       entry 12; the entries after it follow from 13
//   12 255 128 0     the same
//   ramp 192 207 #000000 #ffffff   entries 192 to 207 from the first colour to the
//                                  second, evenly, rounded (colours as #rrggbb or R G B)
// A word of '#' and hex digits only is a colour and must have six digits; any other '#'
// starts a comment.
struct ColourList {
  Palette colours{};              // entries not given are black
  std::array<int, 256> lineOf{};  // the line that gave each entry, 0 for none
  int given() const;
};

// error is "name:LINE: what is wrong".
bool parseColourList(const std::string& text, const std::string& name, ColourList& list,
                     std::string& error);
// All 256 entries as "INDEX R G B  # #rrggbb" lines, readable by parseColourList.
std::string formatColourList(const Palette& palette);

}  // namespace tools
