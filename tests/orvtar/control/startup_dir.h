// A scratch working directory for start-up tests: it holds copies of the
// standard configuration and input files, the test process works inside it
// while the object lives, and single records can be changed in place.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "orvtar/physics/state.h"

namespace orvtest {

namespace fs = std::filesystem;

class RunDir {
 public:
  RunDir() {
    static int serial = 0;
    dir_ = fs::temp_directory_path() /
           ("orvtar_startup_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const auto& e : fs::directory_iterator(fs::path(TEST_DATA_DIR) / "orvtar" / "startup")) {
      const fs::path to = dir_ / e.path().filename();
      fs::copy_file(e.path(), to);
      fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    }
    home_ = fs::current_path();
    fs::current_path(dir_);
  }
  ~RunDir() {
    fs::current_path(home_);
    fs::remove_all(dir_);
  }
  RunDir(const RunDir&) = delete;
  RunDir& operator=(const RunDir&) = delete;

  // Puts `value` right-justified into columns 1-10 of record n (from 1) of
  // a configuration file, keeping the comment behind it.
  void set(const std::string& file, int n, const std::string& value) {
    std::vector<std::string> rec = lines(file);
    std::string& r = rec.at(static_cast<std::size_t>(n - 1));
    std::string field = std::string(10 - value.size(), ' ') + value;
    r = field + (r.size() > 10 ? r.substr(10) : std::string());
    std::ostringstream text;
    for (const auto& l : rec) text << l << '\n';
    write(file, text.str());
  }

  void write(const std::string& file, const std::string& text) {
    std::ofstream(dir_ / file, std::ios::binary | std::ios::trunc) << text;
  }

  void remove(const std::string& file) { fs::remove(dir_ / file); }

  // The records of a file without their line ends.
  std::vector<std::string> lines(const std::string& file) const {
    std::ifstream in(dir_ / file, std::ios::binary);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      out.push_back(l);
    }
    return out;
  }

  const fs::path& path() const { return dir_; }

 private:
  fs::path dir_;
  fs::path home_;
};

// The model state is large; tests keep it on the heap.
inline std::unique_ptr<orv::OrvState> fresh_state() { return std::make_unique<orv::OrvState>(); }

}  // namespace orvtest
