// terminal_text.cpp -- escaping control bytes, and the game's lines on stderr
#include "platform/terminal_text.h"

#include <cstdio>

namespace platform {

void appendControlEscape(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

std::string escapeControlBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (isControlByte(byte))
      appendControlEscape(out, byte);
    else
      out += c;
  }
  return out;
}

void printErrorLine(std::string_view text) {
  const std::string line = escapeControlBytes(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace platform
