// Small hand-made inputs for whole runs of varistat: a scratch working
// directory, a data tree whose grid fields follow a formula, the weights
// file and SHELL.CFG, and helpers that read the output tables back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/engine_inputs.h"
#include "support/scratch_dir.h"

namespace vstest {

namespace fs = std::filesystem;

// A scratch data tree and working directory (see EngineScratch) with the
// grid-field folder data/TRELLIS5/OUT.
struct Scratch : testsupport::EngineScratch {
  Scratch() : EngineScratch("varistat", {"OUT"}) {}
};

using testsupport::find_line;
using testsupport::Pattern;
using testsupport::read_lines;
using testsupport::read_text;
using testsupport::ShellSettings;
using testsupport::WeightsRecord;
using testsupport::write_model_field;
using testsupport::write_shell;
using testsupport::write_weights;

// The six families of one model: S.D. change (5, 6), mean change (1, 2),
// baseline S.D. (4) and baseline mean (3).
struct ModelFields {
  Pattern sd1, sd2, mn1, mn2, bsd, bmean;
};

inline void write_model(const fs::path& data, int m, int IVAR, int ISEAS, const ModelFields& f) {
  write_model_field(data, m, '5', IVAR, ISEAS, f.sd1);
  write_model_field(data, m, '6', IVAR, ISEAS, f.sd2);
  write_model_field(data, m, '1', IVAR, ISEAS, f.mn1);
  write_model_field(data, m, '2', IVAR, ISEAS, f.mn2);
  write_model_field(data, m, '4', IVAR, ISEAS, f.bsd);
  write_model_field(data, m, '3', IVAR, ISEAS, f.bmean);
}

// SHELL.CFG of a whole-globe run of the first two models.
struct Shell : ShellSettings {
  Shell() { IMOD = {1, 2}; }
};

// Runs the program in the working directory with the data tree as its data
// root; returns the exit status, stdout and stderr in out.txt / err.txt.
inline int run_varistat(const fs::path& data) {
  return testsupport::exit_status("TESSERA_DATA_ROOT='" + data.string() + "' '" VARISTAT_EXE
                                  "' >out.txt 2>err.txt </dev/null");
}

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
