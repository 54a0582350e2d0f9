// The command line of the toolkit's programs, which take no arguments: they
// work on the files of the working directory.
#pragma once

namespace rec {

// With no arguments returns -1 (run). "--help" or "-h" prints `help` on
// standard output and returns 0; anything else prints what was given and
// `usage` on standard error and returns 2.
int no_arguments(int argc, char** argv, const char* help, const char* usage);

}  // namespace rec
