// An earlier run's output files, marked so that a test can tell whether a
// later run left any of them in place: a line appended to each file that
// no program writes.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/scratch_dir.h"

namespace testsupport {

inline constexpr const char* EARLIER_RUN_MARK = "LEFT HERE BY AN EARLIER RUN";

// Appends the mark to every file of `names` (which must exist).
inline void mark_as_earlier(const std::vector<fs::path>& names) {
  for (const fs::path& name : names) {
    if (!fs::is_regular_file(name)) throw std::runtime_error(name.string() + ": no file to mark");
    std::ofstream(name, std::ios::binary | std::ios::app) << EARLIER_RUN_MARK << "\n";
  }
}

// The regular files directly in each folder of `dirs`, sorted.
inline std::vector<fs::path> files_in(const std::vector<fs::path>& dirs) {
  std::vector<fs::path> files;
  for (const fs::path& d : dirs)
    for (const auto& e : fs::directory_iterator(d))
      if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Those of `names` that are still files holding the mark.
inline std::vector<std::string> still_marked(const std::vector<fs::path>& names) {
  std::vector<std::string> marked;
  for (const fs::path& name : names)
    if (fs::is_regular_file(name) && read_text(name).find(EARLIER_RUN_MARK) != std::string::npos)
      marked.push_back(name.string());
  return marked;
}

}  // namespace testsupport
