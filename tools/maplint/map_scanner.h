// map_scanner.h -- a map file's bytes read as the game reads them, keeping line numbers
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace maplint {

// Reads tokens, numbers and whole lines the way the game's formatted input does
// (blanks are space, tab, LF, VT, FF and CR), but never stops for good: every read
// says what it found, so the checker can report it and read on.
class MapScanner {
 public:
  explicit MapScanner(const std::string& bytes, int firstLine = 1)
      : bytes_(bytes), line_(firstLine) {}
  // The scanner reads the caller's bytes in place: a temporary would be gone at once.
  MapScanner(std::string&&, int = 1) = delete;

  enum class Number { kOk, kNone, kOutOfRange, kEnd };
  enum class LineEnd { kCrLf, kLfOnly, kOther, kEnd };

  // The line of the next byte, counted from 1.
  int line() const { return line_; }
  // Skips blanks; false at the end of the file.
  bool skipBlanks();
  // After any blanks, a run of non-blank bytes and the line it starts on; false at the end.
  bool token(std::string& out, int& line);
  // Formatted input's "%d": after blanks an optional sign and digits. kNone consumes
  // nothing but the blanks.
  Number integer(int32_t& out);
  // Formatted input's "%f": sign, digits, a fraction and an exponent.
  Number real(float& out);
  // After any blanks, this byte (consumed); false leaves the next byte unread.
  bool expect(char c);
  // The next two bytes are CR LF (consumed). On kLfOnly the LF is consumed; on kOther
  // nothing is.
  LineEnd lineEnd();
  // Every byte up to the next CR into out, then the LF after it. A line that ends in
  // LF alone still gives its bytes (kLfOnly).
  LineEnd restOfLine(std::string& out);
  // After any blanks, the bytes up to the next blank or comma, left unread.
  std::string peekWord();
  // Gives back the last n bytes read (none of them a line feed).
  void unread(size_t n) { pos_ -= n; }
  // Skips what a bad number or name left: the bytes up to the next blank or comma.
  void skipWord();
  // Skips to the start of the next line.
  void skipLine();
  // The next token if it starts on the current line (blanks before it skipped); false at
  // the line's end, which is left unread.
  bool tokenOnLine(std::string& out);
  // The bytes of the next line that holds more than blanks, without its line end, left
  // unread; empty at the end of the file.
  std::string peekLine() const;

  // Where the reading is, to look ahead and come back.
  struct Mark {
    size_t pos;
    int line;
  };
  Mark mark() const { return {pos_, line_}; }
  void reset(const Mark& m) { pos_ = m.pos, line_ = m.line; }

 private:
  int peek() const { return pos_ < bytes_.size() ? uint8_t(bytes_[pos_]) : -1; }
  int get();
  // The characters of a number, as formatted input takes them; digits counts the digits.
  std::string numberText(bool allowFraction, size_t& digits);

  const std::string& bytes_;
  size_t pos_ = 0;
  int line_ = 1;
};

bool isBlank(int c);

}  // namespace maplint
