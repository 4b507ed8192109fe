// encoding.h -- code page 949 <-> UTF-8, only at the platform boundary
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Bytes that do not convert become U+FFFD (or '?'), never an error.
std::string cp949ToUtf8(const std::string& text);
std::string utf8ToCp949(const std::string& text);

// One iconv conversion (encoding names as iconv knows them), for callers that must know
// where a text stops converting instead of having it mended.
class TextConverter {
 public:
  TextConverter(const char* to, const char* from);
  ~TextConverter();
  TextConverter(const TextConverter&) = delete;
  TextConverter& operator=(const TextConverter&) = delete;
  // False when iconv cannot convert between the two encodings.
  bool ok() const { return ok_; }
  // Appends the conversion of text to out and returns the byte offset in text where it
  // stopped at a sequence without a form in the target, or text.size() when all converted.
  size_t convert(const std::string& text, std::string& out);

 private:
  void* cd_;
  bool ok_;
};

}  // namespace platform
