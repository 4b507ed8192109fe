// letter_areas.cpp -- splitting reference syllables into their letters' parts
#include "mkfont/letter_areas.h"

namespace mkfont {
namespace {

// How far from the vowel of the other initials a stroke shared by ㄱ and ㅋ still counts
// as the vowel's (the end of ㄱ's stem moves with the vowel; its top bar does not).
constexpr int kVowelReach = 3;

struct Parts {
  Rows16 initial{}, medial{}, final{};
};

bool takesOwnVowelShape(int initial) { return gfx::medialSetTable[1][initial] == 2; }  // ㄱ, ㅋ

// References by glyph indices: [initial][medial][final].
class ReferenceTable {
 public:
  explicit ReferenceTable(const std::vector<FitTarget>& modern) {
    for (const FitTarget& t : modern)
      at_[t.parts.initialGlyph][t.parts.medialGlyph][t.parts.finalGlyph] = &t.reference;
  }
  // The pixels shared by every syllable with this medial and final and an initial for
  // which `alike` holds.
  template <typename Alike>
  Rows16 commonOverInitials(int medial, int final, Alike alike) const {
    Rows16 common;
    common.fill(0xFFFF);
    for (int i = 1; i < gfx::kInitialGlyphs; ++i)
      if (alike(i)) andInto(common, at_[i][medial][final]);
    return common;
  }
  // The pixels shared by every syllable with this initial and medial and some final.
  Rows16 commonOverFinals(int initial, int medial) const {
    Rows16 common;
    common.fill(0xFFFF);
    for (int f = 1; f < gfx::kFinalGlyphs; ++f) andInto(common, at_[initial][medial][f]);
    return common;
  }

 private:
  static void andInto(Rows16& into, const Rows16* rows) {
    for (int r = 0; r < 16; ++r) into[r] &= rows ? (*rows)[r] : 0;
  }
  const Rows16* at_[gfx::kInitialGlyphs][gfx::kMedialGlyphs][gfx::kFinalGlyphs] = {};
};

Rows16 grown(Rows16 rows, int by) {
  for (int k = 0; k < by; ++k) {
    Rows16 out{};
    for (int r = 0; r < 16; ++r) {
      uint16_t band = rows[r];
      if (r > 0) band |= rows[r - 1];
      if (r < 15) band |= rows[r + 1];
      out[r] = static_cast<uint16_t>(band | band << 1 | band >> 1);
    }
    rows = out;
  }
  return rows;
}

// Under ㄱ and ㅋ, which take vowel shapes of their own, a stroke that the two share is the
// vowel's when it lies near where the vowel lies under the other initials.
Parts splitIntoParts(const FitTarget& t, const ReferenceTable& table, int firstFinalRow) {
  const gfx::HangulParts& p = t.parts;
  const bool own = takesOwnVowelShape(p.initialGlyph);
  const int m = p.medialGlyph, f = p.finalGlyph;
  const Rows16 notInitial = table.commonOverInitials(m, f, [](int) { return true; });
  const Rows16 alike =
      table.commonOverInitials(m, f, [own](int i) { return takesOwnVowelShape(i) == own; });
  const Rows16 vowelNearby = grown(
      table.commonOverInitials(m, f, [](int i) { return !takesOwnVowelShape(i); }), kVowelReach);
  const Rows16 notFinal = table.commonOverFinals(p.initialGlyph, m);
  Parts parts;
  for (int r = 0; r < 16; ++r) {
    const uint16_t ink = t.reference[r];
    const uint16_t initial = ink & ~notInitial[r];
    parts.final[r] = f && r >= firstFinalRow ? ink & ~notFinal[r] & ~initial : 0;
    const uint16_t sharedVowel = initial & alike[r] & vowelNearby[r] & ~parts.final[r];
    parts.initial[r] = initial & ~parts.final[r] & ~sharedVowel;
    parts.medial[r] = ink & ~parts.initial[r] & ~parts.final[r];
  }
  return parts;
}

}  // namespace

std::vector<Rows16> vowelAreas(const std::vector<FitTarget>& modern, int firstFinalRow) {
  const ReferenceTable table(modern);
  std::vector<Rows16> own(kComponents), others(kComponents);
  for (const FitTarget& t : modern) {
    const int id = componentsOf(t.parts)[1];
    if (id < 0) continue;
    const Parts parts = splitIntoParts(t, table, firstFinalRow);
    for (int r = 0; r < 16; ++r) {
      own[id][r] |= parts.medial[r];
      others[id][r] |= parts.initial[r] | parts.final[r];
    }
  }
  std::vector<Rows16> areas(kComponents);
  for (int id = kMedialBase; id < kFinalBase; ++id)
    for (int r = 0; r < 16; ++r) areas[id][r] = own[id][r] & ~others[id][r];
  return areas;
}

}  // namespace mkfont
