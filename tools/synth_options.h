// The command line of tesseragen.
#pragma once

#include <string_view>

#include "tools/synth_tree.h"

namespace synth {

inline constexpr std::string_view USAGE =
    "Usage: tesseragen [options] ROOT\n"
    "\n"
    "Writes a SYNTHETIC data tree for the engines crossmod and varistat under ROOT,\n"
    "which stands for the data root /TS41/TESS-41/ENGINE (run the engines with\n"
    "TESSERA_DATA_ROOT=ROOT). The values are invented, physically shaped test data,\n"
    "not GCM output or observations; ROOT/README.txt says so.\n"
    "\n"
    "For each variable and season: the change (digits 1, 2), baseline (3), baseline\n"
    "S.D. (4) and S.D. change (5, 6) files of all 17 catalogue models, the OLD and NEW\n"
    "observed baselines and the aerosol patterns. In the work directory: the weights\n"
    "files TSU.DR, TSU.DP, TSU.UR, TSU.UP, the masks MASK.L, MASK.O, MASK.E, MASK.W,\n"
    "a demo SHELL.CFG and EXTRA.CFG (whole globe, 17 models) and the folders IMOUT,\n"
    "SDOUT and TESSERA. The same seed and options always give identical files.\n"
    "\n"
    "Options:\n"
    "  --seed N         random seed, a non-negative integer (default 1)\n"
    "  --vars LIST      variables, comma-separated: TEMP, PRECIP (or T, P, 1, 2);\n"
    "                   default both\n"
    "  --seasons LIST   seasons, comma-separated: JAN ... DEC, DJF, MAM, JJA, SON, ANN\n"
    "                   or 1 ... 17; default all 17\n"
    "  --workdir DIR    where the weights, mask and demo settings go\n"
    "                   (default ROOT/WORK)\n"
    "  --quiet          print nothing on success\n"
    "  --help           this text\n";

struct CommandLine {
  TreeOptions tree;
  bool help = false;
  bool quiet = false;
};

// Parses the arguments after the program name; a bad argument throws
// rec::Error naming it and what was expected.
CommandLine parse_command_line(int argc, const char* const* argv);

}  // namespace synth
