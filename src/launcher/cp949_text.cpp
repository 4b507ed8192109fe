// cp949_text.cpp -- code page 949 to UTF-8 through iconv
#include "launcher/cp949_text.h"

#include <iconv.h>

#include <cerrno>

namespace launcher {

namespace {
constexpr char Replacement[] = "\xEF\xBF\xBD";  // U+FFFD
}

std::string cp949ToUtf8(const std::string& text) {
  iconv_t cd = iconv_open("UTF-8", "CP949");
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[512];
  while (inLeft > 0) {
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buffer, size_t(o - buffer));
    if (r == size_t(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace its first byte and go on after it.
      out += Replacement;
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace launcher
