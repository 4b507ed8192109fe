// map_text.h -- a map file read as formatted input would read it, bounded, with its line number
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace world {

// Where and why a map file could not be read; reason is code page 949 text.
struct MapFault {
  int line = 0;
  const char* reason = nullptr;
};

// Reads tokens, numbers and whole lines from an open map file. Every read
// checks its field's size and the end of the file; the first failure is kept
// and makes every later read fail too, so a reader can stop at any point.
class MapText {
 public:
  explicit MapText(FILE* file) : file_(file) {}

  // A run of non-blank bytes after any blanks, into out (at most size - 1 bytes).
  bool token(char* out, size_t size, const char* tooLong);
  bool integer(int32_t& out);
  bool real(float& out);
  // Any blanks, then exactly this character.
  bool expect(char c, const char* missing);
  // The two characters that end a line: carriage return and line feed.
  bool lineEnd();
  // Every byte up to the next carriage return (blanks included) into out, then
  // the line feed after it.
  bool restOfLine(char* out, size_t size);
  // Records a fault of the caller's own (a value out of range) at the current line.
  bool fail(const char* reason);

  bool failed() const { return fault_.reason != nullptr; }
  const MapFault& fault() const { return fault_; }
  int line() const { return line_; }
  // Read ahead in blocks: the file's own position runs ahead of what was taken.
  FILE* file() const { return file_; }

 private:
  int get();
  void unget(int c);
  int skipBlanks();
  bool lineFeed();
  // Copies a number's characters into buf; false when none form one.
  bool numberText(char* buf, size_t size, bool allowFraction);

  static constexpr int kNothingBack = -2;

  FILE* file_;
  int line_ = 1;
  MapFault fault_;
  // The file in blocks (a byte at a time through the C library costs a call each),
  // and the one character that unget gave back.
  unsigned char block_[4096];
  size_t blockSize_ = 0, blockPos_ = 0;
  int givenBack_ = kNothingBack;
};

}  // namespace world
