// cp949_text.h -- text files between UTF-8 with LF and code page 949 with CR LF, strictly
#pragma once

#include <string>
#include <vector>

namespace tools {

// Where a text could not be converted: its 1-based line and what was wrong there.
struct TextFault {
  int line = 0;
  std::string what;
};

// UTF-8 text with LF or CR LF line ends (a byte order mark at the start is dropped) as
// code page 949 with CR LF after every line, the last one included, so line numbers stay
// those of the input. A character without a code page 949 form, or bytes that are not
// UTF-8, become '?' and give a fault for their line (the first such place of each line);
// true when there is none.
bool utf8ToCp949Lines(const std::string& utf8, std::string& cp949, std::vector<TextFault>& faults);

// Every line of a code page 949 text that holds bytes which are not code page 949
// characters; empty when the whole text is valid.
std::vector<int> invalidCp949Lines(const std::string& cp949);

// Whether a text holds multi-byte UTF-8 sequences and nothing that is not UTF-8: such a
// file is most likely UTF-8, whatever it was meant to be.
bool looksLikeUtf8(const std::string& bytes);

}  // namespace tools
