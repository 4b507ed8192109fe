// cp949_text.cpp -- strict line-by-line conversion through iconv
#include "common/cp949_text.h"

#include <cstdint>
#include <cstdio>

#include "platform/encoding.h"

namespace tools {
namespace {

// The code point of the UTF-8 sequence at text[at], or -1 when there is none.
long utf8CodePoint(const std::string& text, size_t at, size_t& length) {
  const auto byte = [&](size_t i) { return i < text.size() ? uint8_t(text[i]) : 0; };
  const uint8_t lead = byte(at);
  length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead >= 0xF8) return -1;
  long cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (byte(at + i) & 0x3F);
  }
  return cp;
}

std::string describeFailure(const std::string& line, size_t at) {
  size_t length = 0;
  const long cp = utf8CodePoint(line, at, length);
  if (cp < 0) return "bytes that are not UTF-8";
  char code[24];
  std::snprintf(code, sizeof code, "U+%04lX", cp);
  return "'" + line.substr(at, length) + "' (" + code + ") has no code page 949 form";
}

// Calls f(line, number) for every line of text without its line end ("\n" or "\r\n");
// a last line without a line end counts only when it is not empty.
template <typename F>
void forEachLine(const std::string& text, F f) {
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) end = text.size();
    if (end > start && text[end - 1] == '\r' && end < text.size()) --end;
    if (!f(text.substr(start, end - start), number)) return;
    start = next;
  }
}

}  // namespace

bool utf8ToCp949Lines(const std::string& utf8, std::string& cp949, std::vector<TextFault>& faults) {
  faults.clear();
  cp949.clear();
  platform::TextConverter converter("CP949", "UTF-8");
  if (!converter.ok()) {
    faults.push_back({0, "this system's iconv has no code page 949"});
    return false;
  }
  const bool bom = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0;
  forEachLine(bom ? utf8.substr(3) : utf8, [&](const std::string& line, int number) {
    for (size_t at = 0;;) {
      const size_t stop = at + converter.convert(line.substr(at), cp949);
      if (stop >= line.size()) break;
      if (faults.empty() || faults.back().line != number)
        faults.push_back({number, describeFailure(line, stop)});
      cp949 += '?';
      size_t length = 0;
      at = stop + (utf8CodePoint(line, stop, length) < 0 ? 1 : length);
    }
    cp949 += "\r\n";
    return true;
  });
  return faults.empty();
}

std::vector<int> invalidCp949Lines(const std::string& cp949) {
  std::vector<int> lines;
  platform::TextConverter converter("UTF-8", "CP949");
  if (!converter.ok()) return lines;
  forEachLine(cp949, [&](const std::string& line, int number) {
    std::string ignored;
    if (converter.convert(line, ignored) < line.size()) lines.push_back(number);
    return true;
  });
  return lines;
}

bool looksLikeUtf8(const std::string& bytes) {
  bool multiByte = false;
  for (size_t i = 0; i < bytes.size();) {
    size_t length = 0;
    if (utf8CodePoint(bytes, i, length) < 0) return false;
    multiByte = multiByte || length > 1;
    i += length;
  }
  return multiByte;
}

}  // namespace tools
