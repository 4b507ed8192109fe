// encoding.cpp -- code page 949 <-> UTF-8 through iconv
#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace platform {

TextConverter::TextConverter(const char* to, const char* from)
    : cd_(iconv_open(to, from)), ok_(cd_ != reinterpret_cast<void*>(iconv_t(-1))) {}

TextConverter::~TextConverter() {
  if (ok_) iconv_close(iconv_t(cd_));
}

size_t TextConverter::convert(const std::string& text, std::string& out) {
  const iconv_t cd = iconv_t(cd_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[512];
  while (inLeft > 0) {
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buffer, size_t(o - buffer));
    if (r == size_t(-1) && errno != E2BIG) return text.size() - inLeft;
  }
  return text.size();
}

namespace {

std::string convert(const std::string& text, const char* to, const char* from, const char* bad) {
  TextConverter converter(to, from);
  if (!converter.ok()) return text;
  std::string out;
  // An invalid or cut-off sequence: replace one byte and go on after it.
  for (size_t at = 0; at < text.size(); ++at) {
    at += converter.convert(text.substr(at), out);
    if (at < text.size()) out += bad;
  }
  return out;
}

}  // namespace

std::string cp949ToUtf8(const std::string& text) {
  return convert(text, "UTF-8", "CP949", "\xEF\xBF\xBD");
}

std::string utf8ToCp949(const std::string& text) { return convert(text, "CP949", "UTF-8", "?"); }

}  // namespace platform
