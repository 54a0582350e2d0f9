// A private scratch directory that a fuzz target works in: made once per
// process under the system's temporary directory, made the working
// directory, and removed when the process ends normally.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzzing {

class FuzzDir {
 public:
  explicit FuzzDir(const std::string& stem)
      : dir_(std::filesystem::temp_directory_path() / (stem + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  ~FuzzDir() {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(dir_, ec);
  }

 private:
  std::filesystem::path dir_;
};

// Replaces `name` in the working directory by `text`.
inline void write_file(const std::string& name, std::string_view text) {
  std::ofstream(name, std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace fuzzing
