// map_lint.cpp -- the whole map text, and what is checked once it has been read
#include "maplint/map_lint.h"

#include "maplint/lint_context.h"
#include "maplint/map_words.h"

namespace maplint {

bool LintContext::lineEndFault(MapScanner::LineEnd end, int line) {
  switch (end) {
    case MapScanner::LineEnd::kCrLf:
      return true;
    case MapScanner::LineEnd::kLfOnly:
      findings.error(line, "the line ends in LF; the game reads this line whole and needs CR LF");
      return true;
    case MapScanner::LineEnd::kOther:
      findings.error(line, "a CR without LF ends this line; the game needs CR LF");
      return true;
    case MapScanner::LineEnd::kEnd:
      return false;
  }
  return false;
}

bool LintContext::checkLength(const std::string& what, const std::string& text, size_t most,
                              int line) {
  if (text.size() <= most) return true;
  findings.error(line, what + " '" + shown(text) + "' is " + std::to_string(text.size()) +
                           " bytes; at most " + std::to_string(most) + " fit");
  return false;
}

namespace {

// An actor's event that the map does not define ends as soon as it starts.
void checkActorEvents(const MapFacts& facts, Findings& findings) {
  for (size_t i = 0; i < facts.actors.size(); ++i) {
    const ActorFacts& a = facts.actors[i];
    if (a.event > 0 && a.event <= kMaxEvent && !facts.events.count(a.event))
      findings.warning(a.eventLine, "actor " + std::to_string(i) + " (" + shown(a.name) +
                                        ") starts event " + std::to_string(a.event) +
                                        ", which the map does not define");
  }
}

void checkJumps(const MapFacts& facts, Findings& findings) {
  for (const Jump& j : facts.jumps)
    if (!facts.events.count(j.to))
      findings.error(j.line,
                     "jump to event " + std::to_string(j.to) + ", which the map does not define");
}

}  // namespace

void lintMapText(const std::string& cp949, Findings& findings, MapFacts& facts) {
  MapScanner scan(cp949);
  LintContext context{scan, findings, facts};
  // Which events the map defines is known only when every event has been read.
  if (!lintHeaderAndActors(context) || !lintEvents(context)) return;
  checkActorEvents(facts, findings);
  checkJumps(facts, findings);
}

}  // namespace maplint
