#include "records/command_line.h"

#include <cstdio>
#include <cstring>

namespace rec {

int no_arguments(int argc, char** argv, const char* help, const char* usage) {
  if (argc <= 1) return -1;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(help, stdout);
    return 0;
  }
  std::fprintf(stderr, "%s takes no arguments (given: %s)\n%s", argv[0], argv[1], usage);
  return 2;
}

}  // namespace rec
