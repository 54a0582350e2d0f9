// The model data tree the engines read: which one (the setting, else
// $TESSERA_DATA_ROOT, else a synthetic tree), and what an imported tree's
// TREE.INI (written by tesseraimport, importer/tree_manifest.h) says of it:
// the real models behind GC01 …, the epochs, whether it has aerosol
// patterns and observed baselines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/run_settings.h"

namespace fe {

struct DataTree {
  std::string root;
  bool synthetic = false;  // made by tesseragen because no tree was given
  bool imported = false;   // has a TREE.INI
  std::string tool, date, baseline, future;       // "1961-1990"
  int models = 0;                                 // slots 1 … models hold a model
  std::array<std::string, 18> names;              // the model of each catalogue slot
  std::array<std::string, 18> dTg;                // its warming between the epochs, degC
  bool aerosol = true;                            // aerosol response patterns present
  std::array<std::string, 4> observed;            // NEW tas, NEW pr, OLD tas, OLD pr: present or all-missing
};

// The tree given by [engines] data_root or $TESSERA_DATA_ROOT (a folder);
// empty when neither is.
std::string given_data_root(const EngineSettings& e);

// Why `root` is not a model data tree, or "" when it is one: a folder that
// holds TRELLIS5/, where every name of the engines' data begins
// (engines/common/file_names.h).
std::string data_tree_problem(const std::string& root);

// What is known of the tree at `root`; TREE.INI is read when it is there
// (a malformed one fails with rec::Error naming its line).
DataTree read_data_tree(const std::string& root, bool synthetic);

// Lines for the summary and the run folder's README.txt: where the
// regional patterns come from and, for an imported tree, the models behind
// the selected slots and the epochs.
std::string data_tree_lines(const DataTree& t, const std::vector<int>& IMOD);

}  // namespace fe
