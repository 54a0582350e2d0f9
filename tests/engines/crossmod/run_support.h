// Whole runs of crossmod in a scratch directory: hand-made data trees whose
// grid fields follow a formula, the configuration and weights files, the
// program call, and helpers that read the output files back.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engines/common/catalogue.h"
#include "support/engine_inputs.h"
#include "support/scratch_dir.h"

namespace xmtest {

namespace fs = std::filesystem;

// A scratch data tree and working directory (see EngineScratch) with the
// model, observed and aerosol folders data/TRELLIS5/OUT, OBS and SO4.
struct Scratch : testsupport::EngineScratch {
  Scratch() : EngineScratch("crossmod", {"OUT", "OBS", "SO4"}) {}
};

using testsupport::constant;
using testsupport::find_line;
using testsupport::Pattern;
using testsupport::read_lines;
using testsupport::read_text;
using testsupport::WeightsRecord;
using testsupport::write_model_field;
using testsupport::write_weights;

// Observed baseline: digit 8 for OBSSET "OLD", 7 for "NEW".
inline void write_observed(const fs::path& data, char digit, int IVAR, int ISEAS, const Pattern& v) {
  const std::string name = std::string("OBS.") + digit + std::string(eng::VARLETTER[IVAR]) +
                           std::string(eng::SEASLETTER[ISEAS]);
  testsupport::write_field_file(data / "TRELLIS5" / "OBS" / name, v);
}

// Aerosol response patterns: three blocks of a header and "(16I7)" records.
inline void write_aerosol(const fs::path& data, int IVAR, int ISEAS, const Pattern& europe,
                          const Pattern& asia, const Pattern& rest) {
  const std::string name = "UISO.9" + std::string(eng::VARLETTER[IVAR]) +
                           std::string(eng::SEASLETTER[ISEAS]);
  std::ofstream f(data / "TRELLIS5" / "SO4" / name, std::ios::binary);
  for (const Pattern* p : {&europe, &asia, &rest}) {
    f << "REGION PATTERN\n";
    testsupport::write_grid(f, *p, 16, 7);
  }
}

// Mask file "MASK." + id: name record, 36 rows of 72 digits.
inline void write_mask(const std::string& id, const std::string& maskname,
                       const std::function<int(int, int)>& digit) {
  std::ofstream f("MASK." + id, std::ios::binary);
  f << maskname << "\n";
  for (int i = 1; i <= 36; ++i) {
    for (int j = 1; j <= 72; ++j) f << static_cast<char>('0' + digit(i, j));
    f << "\n";
  }
}

// The settings of EXTRA.CFG and SHELL.CFG; by default all of the globe,
// with aerosols and no model.
struct Settings : testsupport::ShellSettings {
  Settings() {
    MASKID = 'X';
    ISULF = 1;
  }
  double THRESH = 0.0;
  std::string OBSSET = "NEW";
  int IBOTH = 0;
};

inline void write_config(const Settings& s) {
  char buf[64];
  std::ofstream extra("EXTRA.CFG", std::ios::binary);
  extra << "EXTRA.CFG of a test run\n";
  std::snprintf(buf, sizeof buf, " %10.3f", s.THRESH);
  extra << buf << "   THRESH\n";
  extra << " " << s.OBSSET << "          OBSSET\n";
  extra << " " << std::string(9, ' ') << s.IBOTH << "   IBOTH\n";
  testsupport::write_shell(s);
}

struct RunResult {
  int status = -1;
  std::string out, err;
};

// Runs crossmod in the working directory with TESSERA_DATA_ROOT = data.
inline RunResult run_crossmod(const fs::path& data) {
  RunResult r;
  r.status = testsupport::exit_status("TESSERA_DATA_ROOT='" + data.string() + "' '" + CROSSMOD_EXE +
                                      "' > run.stdout 2> run.stderr");
  r.out = read_text("run.stdout");
  r.err = read_text("run.stderr");
  return r;
}

// The values of a gridded table's row (after latitude and blanks), parsed
// as whitespace-separated numbers; the last one is the latitude again.
inline std::vector<double> numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> v;
  for (double x; in >> x;) v.push_back(x);
  return v;
}

// All values of a TESSERA dump: the records after the title records and the
// one-blank record, 17 to a record in F8.3.
inline std::vector<double> dump_values(const std::vector<std::string>& ls) {
  std::vector<double> v;
  int k = 0;
  while (k < static_cast<int>(ls.size()) && ls[k] != " ") ++k;
  for (++k; k < static_cast<int>(ls.size()); ++k)
    for (std::size_t c = 0; c + 8 <= ls[k].size(); c += 8) v.push_back(std::stod(ls[k].substr(c, 8)));
  return v;
}

}  // namespace xmtest
