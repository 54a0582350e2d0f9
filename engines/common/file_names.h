// Names of the files the engines read. Every name is built on the standard
// data root "/TS41/TESS-41/ENGINE" and is logged that way; opened_name() maps
// it onto the installation's data root (environment TESSERA_DATA_ROOT) for
// the actual open, so the outputs are identical wherever the data live.
#pragma once

#include <string>
#include <string_view>

#include "engines/common/config.h"

namespace eng {

inline constexpr const char* DATA_ROOT = "/TS41/TESS-41/ENGINE";  // 20 characters

// The name to open for a logged name: a name under DATA_ROOT gets the value
// of TESSERA_DATA_ROOT (when set and not empty) in place of DATA_ROOT; any
// other name is returned unchanged.
std::string opened_name(const std::string& name);

// The file under `root` (a tree being written, standing for the data root)
// for a name built on DATA_ROOT: root + the part of `name` after DATA_ROOT.
std::string tree_path(const std::string& root, const std::string& name);

// A hint for an error message about `message`: when it names a file under
// the standard root and TESSERA_DATA_ROOT is not set, how to point the
// engine at an installed tree; otherwise empty.
std::string data_root_hint(std::string_view message);

// Grid-field file of catalogue model m (1 … 17) for family digit FAMDIG:
// DATA_ROOT + "/TRELLIS5/OUT/" + MODLAB[m] + "." + FAMDIG + variable letter
// + season letter (46 characters), e.g. /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.1TQ.
// Digits: 1/2 normalised change (definition 1/2), 3 baseline mean,
// 4 baseline S.D., 5/6 normalised S.D. change (definition 1/2).
std::string model_file_name(int m, char FAMDIG, int IVAR, int ISEAS);

// The file of case k (1 … NCASES) of a family with a digit per definition:
// the case's model (case_model) with def1 or def2 by case_is_definition2.
// crossmod's change files: case_file_name(c, k, '1', '2'); varistat's S.D.
// changes: case_file_name(c, k, '5', '6').
std::string case_file_name(const EngineConfig& c, int k, char def1, char def2);

// Observed baseline: DATA_ROOT + "/TRELLIS5/OBS/OBS." + ("8" for OBSSET "OLD",
// "7" for "NEW", as checked at start-up) + variable letter + season letter
// (41 characters).
std::string observed_file_name(const EngineConfig& c);

// Aerosol response patterns: DATA_ROOT + "/TRELLIS5/SO4/UISO.9" + variable
// letter + season letter (42 characters).
std::string aerosol_file_name(const EngineConfig& c);

// "MASK." + MASKID (working directory).
std::string mask_file_name(const EngineConfig& c);

// "TSU." + parameter-set letter + scenario letter (working directory), e.g. TSU.DR.
std::string weights_file_name(const EngineConfig& c);

}  // namespace eng
