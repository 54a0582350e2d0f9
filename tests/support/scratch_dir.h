// Scratch directories for tests that read and write files or run a built
// program: a fresh directory under the system's temporary directory that is
// removed with its object (optionally the working directory while it
// lives), and the few text-file helpers the tests check outputs with.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testsupport {

namespace fs = std::filesystem;

// A fresh, empty directory named after `stem`, the process id and a serial
// number (tests run in parallel processes and may hold several at once);
// removed with everything in it when the object goes.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& stem) {
    static int serial = 0;
    dir_ = fs::temp_directory_path() /
           (stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~ScratchDir() { fs::remove_all(dir_); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const fs::path& path() const { return dir_; }

 private:
  fs::path dir_;
};

// Makes `dir` (created when missing) the working directory of the test
// while the object lives, and gives the old one back.
class WorkingDir {
 public:
  explicit WorkingDir(const fs::path& dir) : home_(fs::current_path()) {
    fs::create_directories(dir);
    fs::current_path(dir);
  }
  ~WorkingDir() { fs::current_path(home_); }
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;

 private:
  fs::path home_;
};

// A scratch directory, or its folder `sub`, as the working directory while
// the object lives; the old working directory comes back before the
// directory is removed.
class ScratchWorkDir : public ScratchDir {
 public:
  explicit ScratchWorkDir(const std::string& stem, const fs::path& sub = {})
      : ScratchDir(stem), cwd_(path() / sub) {}

 private:
  WorkingDir cwd_;
};

// Copies every file of the folder `from` into `to`, writable by the owner
// (the inputs in the source tree may be read-only).
inline void copy_files(const fs::path& from, const fs::path& to) {
  for (const auto& e : fs::directory_iterator(from)) {
    const fs::path copy = to / e.path().filename();
    fs::copy_file(e.path(), copy);
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
  }
}

// The whole file as it stands ("" when it is missing).
inline std::string read_text(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The records of a text file without their line ends (LF or CR LF).
inline std::vector<std::string> read_lines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

// Replaces the file by `text`.
inline void write_text(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

// Replaces the file by the records, each ended by LF.
inline void write_lines(const fs::path& file, const std::vector<std::string>& lines) {
  std::ofstream f(file, std::ios::binary | std::ios::trunc);
  for (const auto& l : lines) f << l << "\n";
}

// Index of the first line containing `what` at or after `from`; -1 if none.
inline int find_line(const std::vector<std::string>& lines, const std::string& what, int from = 0) {
  for (int k = from; k < static_cast<int>(lines.size()); ++k)
    if (lines[k].find(what) != std::string::npos) return k;
  return -1;
}

// Runs a shell command line; the exit status of the command, or -1 when it
// did not exit normally.
inline int exit_status(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testsupport
