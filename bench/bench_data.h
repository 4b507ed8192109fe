// bench_data.h -- the data folder the benchmarks play on: the demo game's, or one written here
#pragma once

#include <filesystem>
#include <string>

namespace bench {

struct BenchData {
  std::filesystem::path dir;  // the data folder to run in
  bool synthetic = false;     // written by the benchmark into a temporary folder
  std::string busiestMap;     // the name of the largest map file, without ".if"
};

// The demo data folder when it holds maps (and, with needsFirstMap, the first
// map "20" that the game starts on); otherwise a folder written here with a
// busy map "20" of its own.
BenchData prepareData(const std::filesystem::path& demoDir, bool needsFirstMap);
// Writes the synthetic folder into dir (emptied first): palette and fonts from
// the demo folder when it has them, a busy map "20" with 40 walking, talking
// actors and a text event, and every picture and sprite pack that it needs.
BenchData writeSyntheticData(const std::filesystem::path& dir,
                             const std::filesystem::path& demoDir);
// Removes a folder made by prepareData; the demo folder is left alone.
void removeSyntheticData(const BenchData& data);
std::string describe(const BenchData& data);

}  // namespace bench
