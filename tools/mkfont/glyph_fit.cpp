// glyph_fit.cpp -- per-pixel fitting of the Hangul letter glyphs
//
// Glyphs are OR-ed and errors are counted per pixel, so the fit falls apart into 256
// independent problems: at one pixel, which letter glyphs ink it. Each starts from the
// intersection (a glyph inks the pixel when every syllable using it wants ink there) and is
// improved by single flips and random kicks. The plain optimum looks bad where Unifont moves
// a letter by another that our sets cannot see (a vowel lifted by the final, an initial
// lifted by ㅝ ㅞ ㅟ): a glyph then inks both places. So each kind of letter inks only its own
// part of the cell, the lifted syllables are weighted up, and a second fit gives up part of
// the weight of the syllables that stay far off, so that the others can come out exact.
#include "mkfont/glyph_fit.h"

#include <algorithm>
#include <cstdint>

#include "mkfont/letter_areas.h"

namespace mkfont {
namespace {

using gfx::HangulParts;

bool isWideVowelWithFinal(const HangulParts& p) {
  return p.finalGlyph != 0 && p.medialGlyph >= 15 && p.medialGlyph <= 17;  // ㅝ ㅞ ㅟ
}

// A small deterministic generator, so that the fit is the same on every system.
struct SplitMix {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
};

// The syllables of one fit, their components and weights, and who uses which component.
struct Problem {
  std::vector<std::array<int, 3>> links;
  std::vector<const Rows16*> references;
  std::vector<int64_t> weights;
  std::vector<std::vector<int>> users = std::vector<std::vector<int>>(kComponents);

  Problem(const std::vector<FitTarget>& targets, const std::vector<int64_t>& w) : weights(w) {
    for (size_t s = 0; s < targets.size(); ++s) {
      links.push_back(componentsOf(targets[s].parts));
      references.push_back(&targets[s].reference);
      for (int id : links.back())
        if (id >= 0) users[id].push_back(static_cast<int>(s));
    }
  }
};

// One pixel's problem: which components ink it. Components that are not free keep their value.
class PixelSolver {
 public:
  PixelSolver(const Problem& p, int row, int col, const std::vector<uint8_t>& freeComponents,
              std::vector<uint8_t> start)
      : p_(p), free_(freeComponents), x_(std::move(start)), inked_(p.links.size()) {
    const uint16_t bit = static_cast<uint16_t>(0x8000u >> col);
    for (size_t s = 0; s < p.links.size(); ++s)
      want_.push_back(((*p.references[s])[row] & bit) != 0);
    for (size_t s = 0; s < p.links.size(); ++s)
      for (int id : p.links[s])
        if (id >= 0) inked_[s] += x_[id];
  }

  const std::vector<uint8_t>& solve(int rounds, SplitMix& rng) {
    std::vector<int> mixed;
    for (int id = 0; id < kComponents; ++id) {
      if (!free_[id] || p_.users[id].empty()) continue;
      queue(id);
      if (isMixed(id)) mixed.push_back(id);
    }
    settle(-1);
    for (int round = 0; round < rounds && !mixed.empty(); ++round)
      kick(mixed[rng.below(static_cast<int>(mixed.size()))]);
    return x_;
  }

 private:
  bool wrong(size_t s, int inked) const { return (inked > 0) != (want_[s] != 0); }

  // Change of the weighted error if component id flipped.
  int64_t delta(int id) const {
    const int step = x_[id] ? -1 : 1;
    int64_t d = 0;
    for (int s : p_.users[id])
      d += p_.weights[s] * (int(wrong(s, inked_[s] + step)) - int(wrong(s, inked_[s])));
    return d;
  }

  void flip(int id) {
    const int step = x_[id] ? -1 : 1;
    x_[id] ^= 1;
    for (int s : p_.users[id]) inked_[s] += step;
  }

  bool isMixed(int id) const {
    bool on = false, off = false;
    for (int s : p_.users[id]) (want_[s] ? on : off) = true;
    return on && off;
  }

  void queue(int id) {
    if (!queued_[id]) {
      queued_[id] = 1;
      work_.push_back(id);
    }
  }

  void queueNeighbours(int id) {
    for (int s : p_.users[id])
      for (int other : p_.links[s])
        if (other >= 0 && other != id) queue(other);
  }

  // First-improvement descent over the queued components; returns the change of the error.
  int64_t settle(int tabu) {
    int64_t total = 0;
    for (size_t next = 0; next < work_.size(); ++next) {
      const int id = work_[next];
      queued_[id] = 0;
      if (id == tabu || !free_[id]) continue;
      const int64_t d = delta(id);
      if (d >= 0) continue;
      flip(id);
      log_.push_back(id);
      total += d;
      queueNeighbours(id);
    }
    work_.clear();
    return total;
  }

  // Flips one component, lets its neighbours settle, and keeps the result unless it is worse.
  void kick(int id) {
    log_.clear();
    int64_t change = delta(id);
    flip(id);
    log_.push_back(id);
    queueNeighbours(id);
    change += settle(id);
    if (change <= 0) return;
    for (auto it = log_.rbegin(); it != log_.rend(); ++it) flip(*it);
  }

  const Problem& p_;
  const std::vector<uint8_t>& free_;
  std::vector<uint8_t> x_;
  std::vector<int> inked_;
  std::vector<uint8_t> want_;
  std::vector<int> work_, log_;
  std::array<uint8_t, kComponents> queued_{};
};

class Fitter {
 public:
  Fitter(const std::vector<Rows16>& areas, const FitSettings& settings)
      : areas_(areas), settings_(settings) {}

  // Fits the `usable` components of glyphs to the problem's syllables, pixel by pixel;
  // the other components keep their glyphs.
  void fit(const Problem& p, const std::vector<uint8_t>& usable, LetterGlyphs& glyphs) const {
    for (int row = 0; row < 16; ++row)
      for (int col = 0; col < 16; ++col) fitPixel(p, usable, glyphs, row, col);
  }

 private:
  bool mayInk(int id, int row, int col) const {
    const Component c = componentAt(id);
    if (c.kind == Kind::Final) return row >= settings_.firstFinalRow + (c.set == 3 ? 1 : 0);
    if (c.kind == Kind::Medial) return (areas_[id][row] & (0x8000u >> col)) != 0;
    return true;
  }

  void fitPixel(const Problem& p, const std::vector<uint8_t>& usable, LetterGlyphs& glyphs, int row,
                int col) const {
    const uint16_t bit = static_cast<uint16_t>(0x8000u >> col);
    std::vector<uint8_t> free(kComponents), start(kComponents);
    for (int id = 0; id < kComponents; ++id) {
      free[id] = usable[id] && mayInk(id, row, col);
      if (!usable[id]) {
        start[id] = (glyphOf(glyphs, id)[row] & bit) != 0;
      } else if (free[id]) {
        // The intersection: ink where every user that counts wants ink.
        bool all = !p.users[id].empty();
        for (int s : p.users[id])
          if (p.weights[s] > 0 && !((*p.references[s])[row] & bit)) all = false;
        start[id] = all;
      }
    }
    SplitMix rng{static_cast<uint64_t>(row * 16 + col + 1)};
    PixelSolver solver(p, row, col, free, std::move(start));
    const std::vector<uint8_t>& x = solver.solve(settings_.improveRounds, rng);
    for (int id = 0; id < kComponents; ++id) {
      if (!usable[id]) continue;
      Rows16& g = glyphOf(glyphs, id);
      g[row] = static_cast<uint16_t>(x[id] ? g[row] | bit : g[row] & ~bit);
    }
  }

  const std::vector<Rows16>& areas_;
  const FitSettings& settings_;
};

std::vector<uint8_t> componentsUsedBy(const std::vector<FitTarget>& targets) {
  std::vector<uint8_t> used(kComponents);
  for (const FitTarget& t : targets)
    for (int id : componentsOf(t.parts))
      if (id >= 0) used[id] = 1;
  return used;
}

// Unifont lifts the initial over ㅝ, ㅞ and ㅟ with a final, where it sits lower over ㅘ,
// ㅙ, ㅚ and ㅢ; both share one initial set, and a glyph at the lower place collides with
// the lifted vowel. These syllables are weighted up so that the initial takes the upper place.
std::vector<int64_t> baseWeights(const std::vector<FitTarget>& targets, const FitSettings& s) {
  std::vector<int64_t> w;
  for (const FitTarget& t : targets)
    w.push_back(isWideVowelWithFinal(t.parts) ? 64 * s.wideVowelWeight : 64);
  return w;
}

}  // namespace

LetterGlyphs fitLetterGlyphs(const std::vector<FitTarget>& wanted,
                             const std::vector<FitTarget>& others, const FitSettings& settings) {
  std::vector<FitTarget> modern = wanted;
  modern.insert(modern.end(), others.begin(), others.end());
  const std::vector<Rows16> areas = vowelAreas(modern, settings.firstFinalRow);
  const Fitter fitter(areas, settings);

  LetterGlyphs glyphs;
  const std::vector<uint8_t> used = componentsUsedBy(wanted);
  const std::vector<int64_t> base = baseWeights(wanted, settings);
  fitter.fit(Problem(wanted, base), used, glyphs);
  for (int refit = 0; refit < settings.refits; ++refit) {
    // Syllables that stay far off are given up in part, so that the rest can come out exact.
    std::vector<int64_t> weights = base;
    for (size_t s = 0; s < wanted.size(); ++s)
      if (differingPixels(composeRows(glyphs, wanted[s].parts), wanted[s].reference) >
          settings.farOffPixels)
        weights[s] /= settings.farOffDivisor;
    glyphs = LetterGlyphs{};
    fitter.fit(Problem(wanted, weights), used, glyphs);
  }

  // Letters that no wanted syllable uses are fitted to the other modern syllables.
  std::vector<uint8_t> unused = componentsUsedBy(others);
  for (int id = 0; id < kComponents; ++id) unused[id] = unused[id] && !used[id];
  fitter.fit(Problem(others, baseWeights(others, settings)), unused, glyphs);
  return glyphs;
}

}  // namespace mkfont
