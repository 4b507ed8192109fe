// readme_text.h -- the read-me text that fills the launcher's text box
#pragma once

#include <cstdint>
#include <string>

namespace launcher {

inline constexpr char ReadmeFileName[] = "readme.txt";

// Every line of the file without its line end (CR LF, LF or a lone CR), each followed by
// CR LF, in file order. A last line without a line end still counts.
std::string fillReadmeText(const std::string& fileBytes);

// A read-me is a page or two; a larger file, or anything but a regular file (a pipe would
// hold the window back for ever), is not shown.
inline constexpr uint64_t kReadmeMaxBytes = uint64_t(1) << 20;

// Reads the whole file and fills the text; false when it cannot be opened or read.
bool loadReadmeText(const std::string& path, std::string* text);

// The filled code page 949 text as UTF-8 with LF line ends, as the text box shows it.
std::string readmeForDisplay(const std::string& text);

}  // namespace launcher
