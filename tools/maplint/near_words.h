// near_words.h -- the keyword that a misspelt word was most likely meant to be
#pragma once

#include <string>
#include <vector>

namespace maplint {

// The number of characters to insert, delete or replace to turn a into b, counting a
// code page 949 character (a Hangul syllable, two bytes) as one.
int editDistance(const std::string& a, const std::string& b);

// The candidate nearest to word (code page 949) if it is near enough to be what was
// meant: one character off for keywords of up to four characters, two for longer ones.
// The first of equally near candidates wins; empty when none is near.
std::string nearestWord(const std::string& word, const std::vector<std::string>& candidates);

// The event keywords and the behaviour keywords, in code page 949.
const std::vector<std::string>& eventKeywords();
const std::vector<std::string>& behaviourKeywords();

}  // namespace maplint
