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

namespace {

constexpr const char* USAGE = R"(Usage: tesseraimport init MANIFEST.ini     write a commented manifest template
       tesseraimport run MANIFEST.ini [--quiet]
       tesseraimport --help

Turns climate-model output in CMIP-style netCDF (monthly tas and pr of a
historical and a scenario experiment, possibly split over several files, any
CF calendar, regular or Gaussian latitude/longitude grids) into the data tree
that crossmod and varistat read: for each model (catalogue slots GC01 ... in
the manifest's order) the normalised changes (definitions 1 and 2), baseline
means, baseline interannual S.D.s and their changes, for temperature and
precipitation and all 17 seasons, on the engines' 5-degree grid; the observed
baselines and aerosol patterns when the manifest names them; and TREE.INI,
which records what the tree holds and where it came from.

The tree is written beside its final place and moved there only when it is
complete. Point TESSERA_DATA_ROOT (or [engines] data_root) at it.
Exit status: 0 done, 2 bad manifest or input files (the message names the
file, the variable or attribute and what was expected).
)";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
      std::cout << USAGE;
      return args.empty() ? 2 : 0;
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
    std::cerr << "tesseraimport: unknown command line (see tesseraimport --help)\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "tesseraimport: " << e.what() << '\n';
    return 2;
  }
}
