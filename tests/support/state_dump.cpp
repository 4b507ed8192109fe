// state_dump.cpp -- reading numbers, values, objects and flags out of a state dump
#include "support/state_dump.h"

#include <regex>
#include <sstream>

namespace testing_support {

namespace {
const char* const kNumber = "-?[0-9.e+-]+";
}

double dumpNumber(const std::string& text, const std::string& key) {
  std::smatch m;
  const std::regex re("\"" + key + "\": (" + kNumber + ")");
  return std::regex_search(text, m, re) ? std::stod(m[1]) : -999;
}

std::string dumpValue(const std::string& text, const std::string& key) {
  std::smatch m;
  const std::regex re("\"" + key + "\": (\"[^\"]*\"|" + kNumber + "|\\[\\])");
  return std::regex_search(text, m, re) ? m[1].str() : "";
}

std::string dumpObject(const std::string& text, const std::string& key) {
  const size_t at = text.find("\"" + key + "\": {");
  if (at == std::string::npos) return "";
  return text.substr(at, text.find('}', at) - at + 1);
}

std::vector<int> dumpFlags(const std::string& dump) {
  std::smatch m;
  std::vector<int> flags;
  if (!std::regex_search(dump, m, std::regex("\"eventFlags\": \\[([^\\]]*)\\]"))) return flags;
  std::stringstream list(m[1].str());
  for (std::string item; std::getline(list, item, ',');) flags.push_back(std::stoi(item));
  return flags;
}

int dumpFlag(const std::string& dump, std::size_t i) {
  const std::vector<int> flags = dumpFlags(dump);
  return i < flags.size() ? flags[i] : -999;
}

}  // namespace testing_support
