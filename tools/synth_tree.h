// The whole synthetic data tree: which files, where, and the summary of a
// generation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

struct TreeOptions {
  std::string root;                // stands in for the data root /TS41/TESS-41/ENGINE
  std::string workdir;             // weights, masks and demo settings; empty: root + "/WORK"
  std::uint64_t seed = 1;
  std::vector<int> vars = {1, 2};  // IVAR values
  std::vector<int> seasons;        // ISEAS values; empty: all 17
};

struct TreeSummary {
  long files = 0;
  long long bytes = 0;
};

// Writes the tree: for each variable and season the six file families of
// every catalogue model (change digits 1 and 2, baseline 3, baseline S.D. 4,
// S.D. change 5 and 6), the OLD and NEW observed baselines and the aerosol
// patterns; then in the work directory the four weights files, the masks
// MASK.L, MASK.O, MASK.E and MASK.W, demo SHELL.CFG and EXTRA.CFG and the
// engines' output directories; and README.txt at the root.
TreeSummary generate_tree(const TreeOptions& opt);

}  // namespace synth
