// map_scanner.cpp -- formatted-input reads over a map file held in memory
#include "maplint/map_scanner.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace maplint {
namespace {

bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isBlank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int MapScanner::get() {
  const int c = peek();
  if (c < 0) return c;
  ++pos_;
  if (c == '\n') ++line_;
  return c;
}

bool MapScanner::skipBlanks() {
  while (isBlank(peek())) get();
  return peek() >= 0;
}

bool MapScanner::token(std::string& out, int& line) {
  out.clear();
  if (!skipBlanks()) return false;
  line = line_;
  while (peek() >= 0 && !isBlank(peek())) out += char(get());
  return true;
}

std::string MapScanner::numberText(bool allowFraction, size_t& digits) {
  std::string text;
  digits = 0;
  const auto take = [&] { text += char(get()); };
  if (peek() == '+' || peek() == '-') take();
  for (; isDigit(peek()); ++digits) take();
  if (allowFraction && peek() == '.') {
    take();
    for (; isDigit(peek()); ++digits) take();
  }
  if (allowFraction && digits > 0 && (peek() == 'e' || peek() == 'E')) {
    take();
    if (peek() == '+' || peek() == '-') take();
    while (isDigit(peek())) take();
  }
  return text;
}

MapScanner::Number MapScanner::integer(int32_t& out) {
  if (!skipBlanks()) return Number::kEnd;
  const size_t start = pos_;
  const int startLine = line_;
  size_t digits = 0;
  const std::string text = numberText(false, digits);
  if (digits == 0) {
    pos_ = start, line_ = startLine;
    return Number::kNone;
  }
  errno = 0;
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return Number::kOutOfRange;
  out = int32_t(v);
  return Number::kOk;
}

MapScanner::Number MapScanner::real(float& out) {
  if (!skipBlanks()) return Number::kEnd;
  const size_t start = pos_;
  const int startLine = line_;
  size_t digits = 0;
  const std::string text = numberText(true, digits);
  if (digits == 0) {
    pos_ = start, line_ = startLine;
    return Number::kNone;
  }
  const float v = std::strtof(text.c_str(), nullptr);
  if (!std::isfinite(v)) return Number::kOutOfRange;
  out = v;
  return Number::kOk;
}

bool MapScanner::expect(char c) {
  skipBlanks();
  if (peek() != uint8_t(c)) return false;
  get();
  return true;
}

MapScanner::LineEnd MapScanner::lineEnd() {
  if (peek() < 0) return LineEnd::kEnd;
  if (peek() == '\n') return get(), LineEnd::kLfOnly;
  if (peek() != '\r' || pos_ + 1 >= bytes_.size() || bytes_[pos_ + 1] != '\n')
    return LineEnd::kOther;
  get();
  get();
  return LineEnd::kCrLf;
}

MapScanner::LineEnd MapScanner::restOfLine(std::string& out) {
  out.clear();
  for (;;) {
    const int c = peek();
    if (c < 0) return LineEnd::kEnd;
    if (c == '\n') return get(), LineEnd::kLfOnly;
    if (c == '\r') break;
    out += char(get());
  }
  get();
  if (peek() != '\n') return LineEnd::kOther;
  get();
  return LineEnd::kCrLf;
}

std::string MapScanner::peekWord() {
  skipBlanks();
  size_t end = pos_;
  while (end < bytes_.size() && !isBlank(uint8_t(bytes_[end])) && bytes_[end] != ',') ++end;
  return bytes_.substr(pos_, end - pos_);
}

void MapScanner::skipWord() {
  while (peek() >= 0 && !isBlank(peek()) && peek() != ',') get();
}

void MapScanner::skipLine() {
  while (peek() >= 0 && get() != '\n') {
  }
}

bool MapScanner::tokenOnLine(std::string& out) {
  while (peek() == ' ' || peek() == '\t' || peek() == '\v' || peek() == '\f') get();
  if (peek() < 0 || peek() == '\r' || peek() == '\n') return false;
  int line = 0;
  return token(out, line);
}

std::string MapScanner::peekLine() const {
  size_t start = pos_;
  while (start < bytes_.size() && isBlank(uint8_t(bytes_[start]))) ++start;
  size_t end = start;
  while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
  return bytes_.substr(start, end - start);
}

}  // namespace maplint
