// figures.h -- printing a measured figure beside its baseline and its budget
#pragma once

#include <string>

namespace bench {

struct Figure {
  int number = 0;
  std::string what;
  double value = 0;  // in unit
  std::string unit;
  std::string baselineWhat;  // empty: no baseline
  double baseline = 0;       // in unit
  bool ratioBudget = true;   // the budget bounds value / baseline, else value itself
  double budget = 0;
};

// True when the figure keeps its budget. Prints one block for it.
bool printFigure(const Figure& f);

}  // namespace bench
