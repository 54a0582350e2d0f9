// The command line of tesseragen.
#pragma once

#include "tools/synth_tree.h"

namespace synth {

struct CommandLine {
  TreeOptions tree;
  bool help = false;
  bool quiet = false;
};

// Parses the arguments after the program name; a bad argument throws
// rec::Error naming it and what was expected.
CommandLine parse_command_line(int argc, const char* const* argv);

}  // namespace synth
