// map_text.cpp -- bounded token, number and line reads over a map file
#include "world/map_text.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "world/map_messages.h"

namespace world {
namespace {

// The blanks of formatted input: space, tab, line feed, vertical tab, form feed, carriage return.
bool blank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool digit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

int MapText::get() {
  int c = givenBack_;
  if (c != kNothingBack) {
    givenBack_ = kNothingBack;
  } else {
    if (blockPos_ == blockSize_) {
      blockSize_ = std::fread(block_, 1, sizeof block_, file_);
      blockPos_ = 0;
      if (blockSize_ == 0) return EOF;
    }
    c = block_[blockPos_++];
  }
  if (c == '\n') ++line_;
  return c;
}

void MapText::unget(int c) {
  if (c == EOF) return;
  if (c == '\n') --line_;
  givenBack_ = c;
}

int MapText::skipBlanks() {
  int c;
  while ((c = get()) != EOF && blank(c)) {
  }
  return c;
}

bool MapText::fail(const char* reason) {
  if (!failed()) fault_ = MapFault{line_, reason};
  return false;
}

bool MapText::token(char* out, size_t size, const char* tooLong) {
  if (failed()) return false;
  int c = skipBlanks();
  if (c == EOF) return fail(text::kEndsEarly);
  size_t n = 0;
  for (; c != EOF && !blank(c); c = get()) {
    if (n + 1 >= size) {
      out[0] = '\0';  // a refused token leaves an empty field
      return fail(tooLong);
    }
    out[n++] = char(c);
  }
  unget(c);
  out[n] = '\0';
  return true;
}

bool MapText::numberText(char* buf, size_t size, bool allowFraction) {
  int c = skipBlanks();
  if (c == EOF) return fail(text::kEndsEarly);
  size_t n = 0, digits = 0;
  const auto take = [&](int ch) {
    if (n + 1 < size) buf[n++] = char(ch);
    return get();
  };
  if (c == '+' || c == '-') c = take(c);
  for (; digit(c); ++digits) c = take(c);
  if (allowFraction && c == '.') {
    c = take(c);
    for (; digit(c); ++digits) c = take(c);
  }
  if (allowFraction && digits > 0 && (c == 'e' || c == 'E')) {
    c = take(c);
    if (c == '+' || c == '-') c = take(c);
    while (digit(c)) c = take(c);
  }
  unget(c);
  buf[n] = '\0';
  // A number longer than the buffer cannot be one of the map's.
  if (digits == 0 || n + 1 >= size) return fail(text::kNoNumber);
  return true;
}

bool MapText::integer(int32_t& out) {
  if (failed()) return false;
  char buf[24];
  if (!numberText(buf, sizeof buf, false)) return false;
  errno = 0;
  const long long v = std::strtoll(buf, nullptr, 10);
  if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return fail(text::kNoNumber);
  out = int32_t(v);
  return true;
}

bool MapText::real(float& out) {
  if (failed()) return false;
  char buf[64];
  if (!numberText(buf, sizeof buf, true)) return false;
  const float v = std::strtof(buf, nullptr);
  if (!std::isfinite(v)) return fail(text::kNoNumber);
  out = v;
  return true;
}

bool MapText::expect(char wanted, const char* missing) {
  if (failed()) return false;
  const int c = skipBlanks();
  if (c == EOF) return fail(text::kEndsEarly);
  if (c != wanted) {
    unget(c);
    return fail(missing);
  }
  return true;
}

bool MapText::lineEnd() {
  if (failed()) return false;
  const int cr = get();
  if (cr == EOF) return fail(text::kEndsEarly);
  if (cr != '\r') return unget(cr), fail(text::kNotCrLf);
  return lineFeed();
}

bool MapText::lineFeed() {
  const int lf = get();
  if (lf == EOF) return fail(text::kEndsEarly);
  if (lf != '\n') return unget(lf), fail(text::kNotCrLf);
  return true;
}

bool MapText::restOfLine(char* out, size_t size) {
  if (failed()) return false;
  // Read aside, so that a refused line leaves the field as it was.
  std::string line;
  for (int c = get(); c != '\r'; c = get()) {
    if (c == EOF) return fail(text::kEndsEarly);
    // A line feed before the carriage return: the file's lines do not end in CR LF.
    if (c == '\n') return unget(c), fail(text::kNotCrLf);
    if (line.size() + 1 >= size) return fail(text::kLineTooLong);
    line += char(c);
  }
  if (!lineFeed()) return false;
  std::memcpy(out, line.c_str(), line.size() + 1);
  return true;
}

}  // namespace world
