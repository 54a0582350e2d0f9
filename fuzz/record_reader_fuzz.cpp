// Fuzz target of the record reader: the input is the text of a file, read
// through a Unit (line ends, lone CRs, end of file) under the formats the
// programs read with, into the kinds of items they read into. The first
// byte chooses the format. Every malformed record must end in rec::Error;
// anything else (a crash, a sanitizer report, another exception) is a bug.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_dir.h"
#include "records/record_io.h"

namespace {

// Reads the whole file under one format, statement after statement, until
// the end of the file or an error.
void read_all(int which) {
  rec::Unit u("INPUT.TXT", rec::Status::Old);
  int i = 0, year = 0;
  float f = 0, row[18] = {};
  double d = 0;
  int grid[72] = {};
  std::string a3, a1(1, ' '), line;
  while (!u.at_eof()) {
    switch (which) {
      case 0: u.read("(I10)", {i}); break;
      case 1: u.read("(F10.0)", {f}); break;
      case 2: u.read("(1X,F10.0)", {d}); break;
      case 3: u.read("(1X,I5,18F10.0)", {year, row}); break;
      case 4: u.read("(16I6)", {grid}); break;
      case 5: a3.clear(); u.read("(1X,A3)", {a3}); break;
      case 6: u.read("(7X,A1)", {a1}); break;
      case 7: line.clear(); u.read("(a)", {line}); break;
      case 8: u.read("(1X,I5,4F10.0)", {year, row[0], row[1], row[2], row[3]}); break;
      case 9: u.read("(1X,2I5)", {i, year}); break;
      case 10: u.read("(72I1)", {grid}); break;
      case 11: u.read("(I2)", {i}); break;
      case 12: u.read("(F7.2,/,F5.0)", {f, d}); break;
      default: u.skip(); break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::FuzzDir dir("record_reader_fuzz");
  if (size == 0) return 0;
  const int which = data[0] % 14;
  fuzzing::write_file("INPUT.TXT", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  try {
    read_all(which);
  } catch (const rec::Error&) {
  }
  return 0;
}
