// A fresh working directory per test: the engines read and write relative
// names, so each test runs in its own directory and leaves it on exit.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("engcommon_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  ~ScratchDir() {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path dir_, old_;
};

inline void write_lines(const std::string& name, std::initializer_list<std::string> lines) {
  std::ofstream f(name, std::ios::binary);
  for (const auto& l : lines) f << l << "\n";
}

inline void write_lines(const std::string& name, const std::vector<std::string>& lines) {
  std::ofstream f(name, std::ios::binary);
  for (const auto& l : lines) f << l << "\n";
}

// The records of a text file, without their line ends.
inline std::vector<std::string> read_lines(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}
