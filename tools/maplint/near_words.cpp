// near_words.cpp -- edit distance over characters, and the keywords to compare with
#include "maplint/near_words.h"

#include <algorithm>
#include <cstdint>

#include "world/behaviour_keywords.h"
#include "world/event_language.h"

namespace maplint {
namespace {

// A lead byte of 0x80 or more starts a two-byte character.
std::vector<std::string> characters(const std::string& cp949) {
  std::vector<std::string> out;
  for (size_t i = 0; i < cp949.size();) {
    const size_t n = uint8_t(cp949[i]) >= 0x80 && i + 1 < cp949.size() ? 2 : 1;
    out.push_back(cp949.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace

int editDistance(const std::string& a, const std::string& b) {
  const std::vector<std::string> x = characters(a), y = characters(b);
  std::vector<int> row(y.size() + 1);
  for (size_t j = 0; j <= y.size(); ++j) row[j] = int(j);
  for (size_t i = 1; i <= x.size(); ++i) {
    int diagonal = row[0];
    row[0] = int(i);
    for (size_t j = 1; j <= y.size(); ++j) {
      const int replaced = diagonal + (x[i - 1] == y[j - 1] ? 0 : 1);
      diagonal = row[j];
      row[j] = std::min({replaced, row[j] + 1, row[j - 1] + 1});
    }
  }
  return row[y.size()];
}

std::string nearestWord(const std::string& word, const std::vector<std::string>& candidates) {
  std::string best;
  int bestDistance = 0;
  for (const std::string& c : candidates) {
    const int most = characters(c).size() <= 4 ? 1 : 2;
    const int d = editDistance(word, c);
    if (d > 0 && d <= most && (best.empty() || d < bestDistance)) best = c, bestDistance = d;
  }
  return best;
}

const std::vector<std::string>& eventKeywords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> out;
    for (const world::EventKeyword& k : world::kEventKeywords) out.push_back(k.word);
    return out;
  }();
  return words;
}

const std::vector<std::string>& behaviourKeywords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> out;
    for (const world::BehaviourKeyword& k : world::kBehaviourKeywords) out.push_back(k.word);
    return out;
  }();
  return words;
}

}  // namespace maplint
