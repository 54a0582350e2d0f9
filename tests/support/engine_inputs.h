// Hand-made inputs for whole runs of the engines: a scratch directory with
// a data tree and a working directory, grid-field files whose values follow
// a formula, the weights file and SHELL.CFG.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engines/common/catalogue.h"
#include "support/scratch_dir.h"

namespace testsupport {

// A fresh directory per test holding the data tree (data/, with the given
// TRELLIS5 folders) and the working directory (work/); the test runs in
// work/ and the whole is removed after.
class EngineScratch : public ScratchWorkDir {
 public:
  EngineScratch(const std::string& stem, std::initializer_list<const char*> folders)
      : ScratchWorkDir(stem, "work") {
    for (const char* f : folders) fs::create_directories(data() / "TRELLIS5" / f);
  }
  fs::path data() const { return path() / "data"; }
  fs::path work() const { return path() / "work"; }
};

// Integer as stored in a grid-field file (hundredths) at row i (1 … 36),
// column j (1 … 72).
using Pattern = std::function<int(int i, int j)>;

inline Pattern constant(int v) {
  return [v](int, int) { return v; };
}

// The 2592 integers row by row, `per` to a record in fields of `width`.
inline void write_grid(std::ofstream& f, const Pattern& v, int per, int width) {
  int n = 0;
  char buf[16];
  for (int i = 1; i <= 36; ++i) {
    for (int j = 1; j <= 72; ++j) {
      std::snprintf(buf, sizeof buf, "%*d", width, v(i, j));
      f << buf;
      if (++n % per == 0) f << "\n";
    }
  }
}

// A grid-field file: identifier record, then the integers under "(16I6)".
inline void write_field_file(const std::filesystem::path& file, const Pattern& v) {
  std::ofstream f(file, std::ios::binary);
  f << "TINY\n";
  write_grid(f, v, 16, 6);
}

// The grid-field file of catalogue model m, family digit d, in the data
// tree's TRELLIS5/OUT.
inline void write_model_field(const std::filesystem::path& data, int m, char d, int IVAR, int ISEAS,
                              const Pattern& v) {
  const std::string name = std::string(eng::MODLAB[m]) + "." + d +
                           std::string(eng::VARLETTER[IVAR]) + std::string(eng::SEASLETTER[ISEAS]);
  write_field_file(data / "TRELLIS5" / "OUT" / name, v);
}

// One record of a weights file.
struct WeightsRecord {
  int YEAR;
  double GHGWT, EURWT, ASIAWT, ROWWT, GLOBWT;
};

// A weights file ("TSU.DR" ...): six free-text records, then one record a year.
inline void write_weights(const std::string& name, const std::vector<WeightsRecord>& records) {
  std::ofstream f(name, std::ios::binary);
  for (int k = 1; k <= 6; ++k) f << " header " << k << "\n";
  char buf[96];
  for (const WeightsRecord& r : records) {
    std::snprintf(buf, sizeof buf, " %5d%10.4f%10.4f%10.4f%10.4f%10.4f\n", r.YEAR, r.GHGWT,
                  r.EURWT, r.ASIAWT, r.ROWWT, r.GLOBWT);
    f << buf;
  }
}

// The settings of SHELL.CFG; NMODS is the size of IMOD.
struct ShellSettings {
  double XLAT1 = -90, XLAT2 = 90, XLON1 = -180, XLON2 = 180;
  int IMASK = 0;
  char MASKID = 'L';
  int IVAR = 1, ISEAS = 17, ISCALE = 1, IPSET = 1, ISCEN = 1, ISULF = 0, IYEAR = 2050;
  int IDEF = 1;
  std::vector<int> IMOD;
};

// SHELL.CFG in the working directory, one setting a record with its name
// behind it.
inline void write_shell(const ShellSettings& s) {
  std::ofstream f("SHELL.CFG", std::ios::binary);
  char buf[80];
  f << "SHELL.CFG of a test run\n";
  for (double x : {s.XLAT1, s.XLAT2, s.XLON1, s.XLON2}) {
    std::snprintf(buf, sizeof buf, " %10.2f   limit\n", x);
    f << buf;
  }
  auto put = [&](int v, const char* name) {
    std::snprintf(buf, sizeof buf, " %10d   %s\n", v, name);
    f << buf;
  };
  put(s.IMASK, "IMASK");
  f << "       " << s.MASKID << "      MASKID\n";
  put(s.IVAR, "IVAR");
  put(s.ISEAS, "ISEAS");
  put(s.ISCALE, "ISCALE");
  put(s.IPSET, "IPSET");
  put(s.ISCEN, "ISCEN");
  put(s.ISULF, "ISULF");
  put(s.IYEAR, "IYEAR");
  put(static_cast<int>(s.IMOD.size()), "NMODS");
  put(s.IDEF, "IDEF");
  for (int m : s.IMOD) put(m, "IMOD");
}

}  // namespace testsupport
