// figures.cpp -- one block of output per figure: value, baseline, ratio, budget, verdict
#include "figures.h"

#include <cstdio>

namespace bench {

bool printFigure(const Figure& f) {
  const double ratio = f.baseline > 0 ? f.value / f.baseline : 0;
  const double bounded = f.ratioBudget ? ratio : f.value;
  const bool pass = bounded <= f.budget;
  std::printf("figure %d: %s\n", f.number, f.what.c_str());
  std::printf("  measured  %10.3f %s\n", f.value, f.unit.c_str());
  if (!f.baselineWhat.empty())
    std::printf("  baseline  %10.3f %s  (%s; ratio %.2f)\n", f.baseline, f.unit.c_str(),
                f.baselineWhat.c_str(), ratio);
  if (f.ratioBudget)
    std::printf("  budget    ratio <= %.2f  %s\n", f.budget, pass ? "PASS" : "OVER");
  else
    std::printf("  budget    < %.3f %s  %s\n", f.budget, f.unit.c_str(), pass ? "PASS" : "OVER");
  std::fflush(stdout);
  return pass;
}

}  // namespace bench
