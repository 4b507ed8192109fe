// readme_text.cpp -- reading "readme.txt" line by line into the text box's text
#include "launcher/readme_text.h"

#include "platform/encoding.h"
#include "platform/regular_file.h"

namespace launcher {

// Code page 949 never uses CR or LF as the second byte of a double-byte character, so the
// lines can be cut on single bytes.
std::string fillReadmeText(const std::string& fileBytes) {
  std::string text;
  text.reserve(fileBytes.size() + fileBytes.size() / 16 + 2);
  size_t start = 0;
  const size_t size = fileBytes.size();
  while (start < size) {
    size_t end = fileBytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = size;
    text.append(fileBytes, start, end - start);
    text += "\r\n";
    const bool crlf = end + 1 < size && fileBytes[end] == '\r' && fileBytes[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
  return text;
}

bool loadReadmeText(const std::string& path, std::string* text) {
  std::string bytes;
  if (!platform::readRegularFile(path, kReadmeMaxBytes, bytes)) return false;
  *text = fillReadmeText(bytes);
  return true;
}

std::string readmeForDisplay(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (char c : text) {
    if (c == '\r') continue;
    // The text buffer ends its text at a NUL; show the rest of the file behind it.
    if (c == '\0') {
      shown += ' ';
      continue;
    }
    shown += c;
  }
  return platform::cp949ToUtf8(shown);
}

}  // namespace launcher
