// terminal_text.h -- text from data files and options made safe for the terminal
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Bytes below 0x20 steer a terminal (ESC starts colours, cursor moves, title changes);
// code page 949 and UTF-8 bytes from 0x80 up are text and stay.
constexpr bool isControlByte(unsigned char byte) { return byte < 0x20; }

// Appends a control byte in the form JSON strings give it: ESC as \u001b.
void appendControlEscape(std::string& out, unsigned char byte);

// The text with every control byte in that form, the rest as it was.
std::string escapeControlBytes(std::string_view text);

// One line on stderr, its control bytes escaped: text that a map, a file name or an
// option brought along cannot reach the terminal raw. The line ends are added here.
void printErrorLine(std::string_view text);

}  // namespace platform
