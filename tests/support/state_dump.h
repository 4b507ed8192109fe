// state_dump.h -- values read out of the game's state dump (game --dump)
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

// The number after "key": in text; -999 when there is none.
double dumpNumber(const std::string& text, const std::string& key);
// The value after "key": as the dump writes it: a number, a quoted string or "[]"; "" when
// there is none.
std::string dumpValue(const std::string& text, const std::string& key);
// The object after "key": up to its first closing brace (the dump's objects hold no
// objects); "" when there is none.
std::string dumpObject(const std::string& text, const std::string& key);
// The event flags; empty when the dump has none.
std::vector<int> dumpFlags(const std::string& dump);
// Event flag i; -999 when the dump has no such flag.
int dumpFlag(const std::string& dump, std::size_t i);

}  // namespace testing_support
