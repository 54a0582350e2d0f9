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
#include "support/scratch_dir.h"

namespace xmtest {

namespace fs = std::filesystem;

// A fresh directory per test holding the data tree (data/) and the working
// directory (work/); the test runs in work/ and the whole is removed after.
class Scratch : public testsupport::ScratchWorkDir {
 public:
  Scratch() : ScratchWorkDir("crossmod", "work") {
    for (const char* sub : {"OUT", "OBS", "SO4"}) fs::create_directories(data() / "TRELLIS5" / sub);
  }
  fs::path data() const { return path() / "data"; }
  fs::path work() const { return path() / "work"; }
};

// Integer as stored in a grid-field file at row i (1 … 36), column j (1 … 72).
using Pattern = std::function<int(int i, int j)>;

inline Pattern constant(int v) {
  return [v](int, int) { return v; };
}

// Identifier record, then the 2592 integers, `per` to a record in fields of `width`.
inline void write_grid(std::ofstream& f, const Pattern& v, int per, int width) {
  int n = 0;
  for (int i = 1; i <= 36; ++i) {
    for (int j = 1; j <= 72; ++j) {
      std::string field = std::to_string(v(i, j));
      f << std::string(width - field.size(), ' ') << field;
      if (++n % per == 0) f << "\n";
    }
  }
}

inline void write_field_file(const fs::path& file, const Pattern& v) {
  std::ofstream f(file, std::ios::binary);
  f << "TINY\n";
  write_grid(f, v, 16, 6);
}

// Model file of catalogue model m, family digit d (1/2 change, 3 baseline).
inline void write_model_field(const fs::path& data, int m, char d, int IVAR, int ISEAS,
                              const Pattern& v) {
  const std::string name = std::string(eng::MODLAB[m]) + "." + d +
                           std::string(eng::VARLETTER[IVAR]) + std::string(eng::SEASLETTER[ISEAS]);
  write_field_file(data / "TRELLIS5" / "OUT" / name, v);
}

// Observed baseline: digit 8 for OBSSET "OLD", 7 for "NEW".
inline void write_observed(const fs::path& data, char digit, int IVAR, int ISEAS, const Pattern& v) {
  const std::string name = std::string("OBS.") + digit + std::string(eng::VARLETTER[IVAR]) +
                           std::string(eng::SEASLETTER[ISEAS]);
  write_field_file(data / "TRELLIS5" / "OBS" / name, v);
}

// Aerosol response patterns: three blocks of a header and "(16I7)" records.
inline void write_aerosol(const fs::path& data, int IVAR, int ISEAS, const Pattern& europe,
                          const Pattern& asia, const Pattern& rest) {
  const std::string name = "UISO.9" + std::string(eng::VARLETTER[IVAR]) +
                           std::string(eng::SEASLETTER[ISEAS]);
  std::ofstream f(data / "TRELLIS5" / "SO4" / name, std::ios::binary);
  for (const Pattern* p : {&europe, &asia, &rest}) {
    f << "REGION PATTERN\n";
    write_grid(f, *p, 16, 7);
  }
}

// One record of the weights file.
struct WeightsRecord {
  int YEAR;
  double GHGWT, EURWT, ASIAWT, ROWWT, GLOBWT;
};

inline void write_weights(const std::string& name, const std::vector<WeightsRecord>& records) {
  std::ofstream f(name, std::ios::binary);
  for (int k = 1; k <= 6; ++k) f << "header " << k << "\n";
  char buf[96];
  for (const WeightsRecord& r : records) {
    std::snprintf(buf, sizeof buf, " %5d%10.4f%10.4f%10.4f%10.4f%10.4f\n", r.YEAR, r.GHGWT,
                  r.EURWT, r.ASIAWT, r.ROWWT, r.GLOBWT);
    f << buf;
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

// The settings of EXTRA.CFG and SHELL.CFG, written one per record with a comment.
struct Settings {
  double THRESH = 0.0;
  std::string OBSSET = "NEW";
  int IBOTH = 0;
  double XLAT1 = -90, XLAT2 = 90, XLON1 = -180, XLON2 = 180;
  int IMASK = 0;
  char MASKID = 'X';
  int IVAR = 1, ISEAS = 17, ISCALE = 1, IPSET = 1, ISCEN = 1, ISULF = 1, IYEAR = 2050;
  int IDEF = 1;
  std::vector<int> IMOD;  // NMODS is its size
};

inline void write_config(const Settings& s) {
  char buf[64];
  std::ofstream extra("EXTRA.CFG", std::ios::binary);
  extra << "EXTRA.CFG of a test run\n";
  std::snprintf(buf, sizeof buf, " %10.3f", s.THRESH);
  extra << buf << "   THRESH\n";
  extra << " " << s.OBSSET << "          OBSSET\n";
  extra << " " << std::string(9, ' ') << s.IBOTH << "   IBOTH\n";

  std::ofstream shell("SHELL.CFG", std::ios::binary);
  shell << "SHELL.CFG of a test run\n";
  for (double v : {s.XLAT1, s.XLAT2, s.XLON1, s.XLON2}) {
    std::snprintf(buf, sizeof buf, " %10.2f   limit\n", v);
    shell << buf;
  }
  auto integer = [&](int v, const char* name) {
    std::snprintf(buf, sizeof buf, " %10d   %s\n", v, name);
    shell << buf;
  };
  integer(s.IMASK, "IMASK");
  shell << "       " << s.MASKID << "      MASKID\n";
  integer(s.IVAR, "IVAR");
  integer(s.ISEAS, "ISEAS");
  integer(s.ISCALE, "ISCALE");
  integer(s.IPSET, "IPSET");
  integer(s.ISCEN, "ISCEN");
  integer(s.ISULF, "ISULF");
  integer(s.IYEAR, "IYEAR");
  integer(static_cast<int>(s.IMOD.size()), "NMODS");
  integer(s.IDEF, "IDEF");
  for (int m : s.IMOD) integer(m, "IMOD");
}

struct RunResult {
  int status = -1;
  std::string out, err;
};

using testsupport::find_line;
using testsupport::read_lines;
using testsupport::read_text;

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
