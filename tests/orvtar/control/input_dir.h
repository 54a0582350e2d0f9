// A copy of one of the orvtar test input sets (tests/data/orvtar/<set>) in a
// scratch directory, whose configuration records and files the tests
// change in place and whose output files they read back.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_dir.h"

namespace orvtest {

namespace fs = std::filesystem;

class InputDir {
 public:
  explicit InputDir(const std::string& set) : dir_("orvtar_" + set) {
    testsupport::copy_files(fs::path(TEST_DATA_DIR) / "orvtar" / set, path());
  }

  // Puts `value` right-justified into columns 1-10 of record n (from 1) of
  // a configuration file, keeping the comment behind it.
  void set(const std::string& file, int n, const std::string& value) {
    std::vector<std::string> rec = lines(file);
    std::string& r = rec.at(static_cast<std::size_t>(n - 1));
    r = std::string(10 - value.size(), ' ') + value + (r.size() > 10 ? r.substr(10) : "");
    std::ostringstream text;
    for (const auto& l : rec) text << l << '\n';
    write(file, text.str());
  }
  void set(const std::string& file, int n, int value) { set(file, n, std::to_string(value)); }

  void write(const std::string& file, const std::string& text) const {
    testsupport::write_text(path() / file, text);
  }
  void remove(const std::string& file) const { fs::remove(path() / file); }
  bool exists(const std::string& file) const { return fs::exists(path() / file); }

  std::string text(const std::string& file) const { return testsupport::read_text(path() / file); }
  // The records of a file without their line ends.
  std::vector<std::string> lines(const std::string& file) const {
    return testsupport::read_lines(path() / file);
  }

  const fs::path& path() const { return dir_.path(); }

 private:
  testsupport::ScratchDir dir_;
};

}  // namespace orvtest
