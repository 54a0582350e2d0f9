// tesseraimport: turns CMIP-style netCDF output (monthly tas and pr) into
// the engines' model-data tree.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "importer/import_manifest.h"
#include "importer/import_run.h"
#include "records/record_io.h"
#include "tesseraimport_manual.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.empty()) {
      std::cerr << manual::USAGE;
      return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
      std::cout << manual::HELP;
      return 0;
    }
    if (args[0] == "init" && args.size() == 2) {
      std::ifstream exists(args[1]);
      if (exists) throw rec::Error(args[1] + ": exists; init writes a new manifest only");
      std::ofstream out(args[1], std::ios::binary);
      out << imp::manifest_template();
      if (!out) throw rec::Error(args[1] + ": cannot write it");
      std::cout << "tesseraimport: wrote " << args[1] << "; edit it, then: tesseraimport run " << args[1] << "\n";
      return 0;
    }
    const bool quiet = args.size() == 3 && args[2] == "--quiet";
    if (args[0] == "run" && (args.size() == 2 || quiet)) {
      const imp::ImportManifest m = imp::read_manifest(args[1]);
      const imp::ImportSummary s = imp::run_import(m, quiet ? nullptr : &std::cout);
      std::printf("tesseraimport: wrote %ld files for %d models under %s in %.1f s (%.0f MB of netCDF data read)\n",
                  s.files, s.models, m.tree.c_str(), s.seconds, s.mb_read);
      return 0;
    }
    std::cerr << "tesseraimport: unknown command line\n" << manual::USAGE;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "tesseraimport: " << e.what() << '\n';
    return 2;
  }
}
