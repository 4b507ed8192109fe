// json_writer.cpp -- JSON text with escaped strings
#include "shell/json_writer.h"

#include <cstdio>

#include "platform/terminal_text.h"

namespace shell {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (first_.empty()) return;
  if (!first_.back()) out_ += ", ";
  first_.back() = false;
}

JsonWriter& JsonWriter::open(char c) {
  separate();
  out_ += c;
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::close(char c) {
  first_.pop_back();
  out_ += c;
  return *this;
}

JsonWriter& JsonWriter::key(const std::string& name) {
  string(name);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::number(int64_t value) {
  separate();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::number(double value) {
  separate();
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9g", value);
  out_ += buffer;
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::string(const std::string& utf8) {
  separate();
  out_ += '"';
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += char(c);
    } else if (platform::isControlByte(c)) {
      platform::appendControlEscape(out_, c);
    } else {
      out_ += char(c);
    }
  }
  out_ += '"';
  return *this;
}

}  // namespace shell
