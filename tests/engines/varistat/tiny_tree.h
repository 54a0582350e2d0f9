// Small hand-made inputs for whole runs of varistat: a scratch working
// directory, a data tree whose grid fields follow a formula, the weights
// file and SHELL.CFG, and helpers that read the output tables back.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engines/common/catalogue.h"
#include "support/scratch_dir.h"

namespace vstest {

namespace fs = std::filesystem;

// A fresh directory per test holding the data tree (data/) and the working
// directory (work/); the test runs in work/ and the whole is removed after.
class Scratch : public testsupport::ScratchWorkDir {
 public:
  Scratch() : ScratchWorkDir("varistat", "work") {
    fs::create_directories(data() / "TRELLIS5" / "OUT");
  }
  fs::path data() const { return path() / "data"; }
  fs::path work() const { return path() / "work"; }
};

// Integer in hundredths at row i (1 … 36), column j (1 … 72).
using Pattern = std::function<int(int i, int j)>;

// A grid-field file of catalogue model m for family digit d: identifier
// record, then 2592 integers under "(16I6)".
inline void write_field(const fs::path& data, int m, char d, int IVAR, int ISEAS,
                        const Pattern& v) {
  const std::string name = std::string(eng::MODLAB[m]) + "." + d +
                           std::string(eng::VARLETTER[IVAR]) + std::string(eng::SEASLETTER[ISEAS]);
  std::ofstream f(data / "TRELLIS5" / "OUT" / name, std::ios::binary);
  f << "TINY\n";
  int n = 0;
  char buf[8];
  for (int i = 1; i <= 36; ++i) {
    for (int j = 1; j <= 72; ++j) {
      std::snprintf(buf, sizeof buf, "%6d", v(i, j));
      f << buf;
      if (++n % 16 == 0) f << "\n";
    }
  }
}

// The six families of one model: S.D. change (5, 6), mean change (1, 2),
// baseline S.D. (4) and baseline mean (3).
struct ModelFields {
  Pattern sd1, sd2, mn1, mn2, bsd, bmean;
};

inline void write_model(const fs::path& data, int m, int IVAR, int ISEAS, const ModelFields& f) {
  write_field(data, m, '5', IVAR, ISEAS, f.sd1);
  write_field(data, m, '6', IVAR, ISEAS, f.sd2);
  write_field(data, m, '1', IVAR, ISEAS, f.mn1);
  write_field(data, m, '2', IVAR, ISEAS, f.mn2);
  write_field(data, m, '4', IVAR, ISEAS, f.bsd);
  write_field(data, m, '3', IVAR, ISEAS, f.bmean);
}

// "TSU.DR": six free-text records, then one record per year.
struct WeightsRecord {
  int year;
  double ghg, eur, asia, row, glob;
};

inline void write_weights(const std::string& name, const std::vector<WeightsRecord>& recs) {
  std::ofstream f(name, std::ios::binary);
  for (int k = 1; k <= 6; ++k) f << " header " << k << "\n";
  char buf[80];
  for (const auto& r : recs) {
    std::snprintf(buf, sizeof buf, " %5d%10.4f%10.4f%10.4f%10.4f%10.4f\n", r.year, r.ghg, r.eur,
                  r.asia, r.row, r.glob);
    f << buf;
  }
}

struct Shell {
  double XLAT1 = -90, XLAT2 = 90, XLON1 = -180, XLON2 = 180;
  int IMASK = 0;
  char MASKID = 'L';
  int IVAR = 1, ISEAS = 17, ISCALE = 1, IPSET = 1, ISCEN = 1, ISULF = 0, IYEAR = 2050;
  int IDEF = 1;
  std::vector<int> IMOD = {1, 2};
  int NMODS = -1;  // as written in record 15; -1: the size of IMOD
};

inline void write_shell(const Shell& s) {
  std::ofstream f("SHELL.CFG", std::ios::binary);
  char buf[80];
  f << "SHELL.CFG of a test run\n";
  for (double x : {s.XLAT1, s.XLAT2, s.XLON1, s.XLON2}) {
    std::snprintf(buf, sizeof buf, " %10.2f   limit\n", x);
    f << buf;
  }
  auto put = [&](int v, const char* what) {
    std::snprintf(buf, sizeof buf, " %10d   %s\n", v, what);
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
  put(s.NMODS >= 0 ? s.NMODS : static_cast<int>(s.IMOD.size()), "NMODS");
  put(s.IDEF, "IDEF");
  for (int m : s.IMOD) put(m, "IMOD");
}

// Runs the program in the working directory with the data tree as its data
// root; returns the exit status, stdout and stderr in out.txt / err.txt.
inline int run_varistat(const fs::path& data) {
  return testsupport::exit_status("TESSERA_DATA_ROOT='" + data.string() + "' '" VARISTAT_EXE
                                  "' >out.txt 2>err.txt </dev/null");
}

using testsupport::find_line;
using testsupport::read_lines;
using testsupport::read_text;

inline int count_lines(const std::vector<std::string>& lines, const std::string& what) {
  int n = 0;
  for (const auto& l : lines) n += l.find(what) != std::string::npos;
  return n;
}

// Value (row i, column j) of the grid table whose title line contains
// `title`: the row line holds the latitude (F6.1 after one blank), three
// blanks, then 72 values of 7 columns.
inline double table_value(const std::vector<std::string>& lines, const std::string& title, int i,
                          int j) {
  const int t = find_line(lines, title);
  EXPECT_GE(t, 0) << title;
  if (t < 0) return 0.0;
  const std::string& row = lines.at(t + 1 + i);
  return std::stod(row.substr(10 + 7 * (j - 1), 7));
}

// The text of cell (i, j) of the same table, as printed.
inline std::string table_cell(const std::vector<std::string>& lines, const std::string& title,
                              int i, int j) {
  const int t = find_line(lines, title);
  EXPECT_GE(t, 0) << title;
  if (t < 0) return "";
  return lines.at(t + 1 + i).substr(10 + 7 * (j - 1), 7);
}

}  // namespace vstest
