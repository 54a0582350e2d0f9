// Whole-program runs of orvtar for the output tests: a scratch working
// directory holding a copy of the small complete input set, single
// configuration records changed in place, the program run inside it, and
// helpers that pick tables and columns out of the files it writes.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "input_dir.h"

namespace e2e {

// The date every test run takes for its report head: 14 Nov 2023 (UTC).
inline constexpr const char* EPOCH = "1700000000";

class OrvtarRun : public orvtest::InputDir {
 public:
  OrvtarRun() : InputDir("e2e") {
    // Most tests need the tables, not the fine time step: one step a year.
    set("ORVXTRA.CFG", 2, "1.0");
  }

  // Runs orvtar in the directory with the given SOURCE_DATE_EPOCH (none
  // when empty); returns its exit status.
  int run(const std::string& epoch = EPOCH) const {
    std::string cmd = "cd '" + path().string() + "' && ";
    cmd += epoch.empty() ? "env -u SOURCE_DATE_EPOCH " : "SOURCE_DATE_EPOCH='" + epoch + "' ";
    cmd += std::string("'") + ORVTAR_EXE + "' > stdout.txt 2> stderr.txt";
    return testsupport::exit_status(cmd);
  }
};

// Line numbers (from 0) of the lines equal to `line`.
inline std::vector<std::size_t> find_all(const std::vector<std::string>& lines,
                                         const std::string& line) {
  std::vector<std::size_t> at;
  for (std::size_t n = 0; n < lines.size(); ++n)
    if (lines[n] == line) at.push_back(n);
  return at;
}

// The lines strictly between line `from` and the next line equal to
// lines[from] (a table between its header and the repeated header).
inline std::vector<std::string> table_after(const std::vector<std::string>& lines,
                                            std::size_t from) {
  std::vector<std::string> rows;
  for (std::size_t n = from + 1; n < lines.size() && lines[n] != lines[from]; ++n)
    rows.push_back(lines[n]);
  return rows;
}

// Field `col` (from 0) of a row split at blanks.
inline std::string field(const std::string& row, std::size_t col) {
  std::istringstream in(row);
  std::string f;
  for (std::size_t n = 0; n <= col; ++n)
    if (!(in >> f)) return "";
  return f;
}
inline double number(const std::string& row, std::size_t col) { return std::stod(field(row, col)); }

// The number in columns [pos, pos + width) of a fixed-column row (for
// tables whose negative values may touch their neighbours).
inline double column(const std::string& row, std::size_t pos, std::size_t width) {
  return std::stod(row.substr(pos, width));
}

// The first field of each row as a year.
inline std::vector<int> years(const std::vector<std::string>& rows) {
  std::vector<int> y;
  for (const auto& r : rows) y.push_back(std::stoi(field(r, 0)));
  return y;
}

// first, first + step, ... up to last.
inline std::vector<int> every(int first, int last, int step) {
  std::vector<int> y;
  for (int v = first; v <= last; v += step) y.push_back(v);
  return y;
}

}  // namespace e2e
