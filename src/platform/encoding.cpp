// encoding.cpp -- code page 949 <-> UTF-8 through iconv
#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace platform {
namespace {

std::string convert(const std::string& text, const char* to, const char* from, const char* bad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buffer, size_t(o - buffer));
    if (r == size_t(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace one byte and go on.
      out += bad;
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string cp949ToUtf8(const std::string& text) {
  return convert(text, "UTF-8", "CP949", "\xEF\xBF\xBD");
}

std::string utf8ToCp949(const std::string& text) { return convert(text, "CP949", "UTF-8", "?"); }

}  // namespace platform
