// lint_context.h -- what the section checks share: the scanner, the findings, the facts
#pragma once

#include <string>

#include "maplint/findings.h"
#include "maplint/map_lint.h"
#include "maplint/map_scanner.h"

namespace maplint {

struct LintContext {
  MapScanner& scan;
  Findings& findings;
  MapFacts& facts;

  // Reports a line of the file that is read whole but does not end in CR LF.
  // False at the end of the file.
  bool lineEndFault(MapScanner::LineEnd end, int line);
  // Reports text longer than the cell it goes into; true when it fits.
  bool checkLength(const std::string& what, const std::string& text, size_t most, int line);
};

// The background name, the caption and the actors. False when the reading cannot go on.
bool lintHeaderAndActors(LintContext& context);
// The event count and the events after it. False when the reading stopped before the
// last event's end.
bool lintEvents(LintContext& context);

}  // namespace maplint
