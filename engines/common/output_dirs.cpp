#include "engines/common/output_dirs.h"

#include <filesystem>
#include <system_error>

#include "records/record_io.h"

namespace eng {

void ensure_directory(const std::string& dir) {
  std::error_code ec;
  if (std::filesystem::is_directory(dir, ec)) return;
  if (std::filesystem::exists(dir, ec))
    throw rec::Error(dir + ": cannot hold the output files; a file of that name is in the way");
  std::filesystem::create_directories(dir, ec);
  if (ec) throw rec::Error(dir + ": cannot create the output directory (" + ec.message() + ")");
}

void remove_outputs(const std::vector<std::string>& names) {
  std::string failure;
  for (const std::string& name : names) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(name, ec);
    if (ec || !std::filesystem::exists(status)) continue;
    if (std::filesystem::is_directory(status)) {
      if (failure.empty())
        failure = name + ": cannot remove the output file of an earlier run; a folder of that name is in the way";
      continue;
    }
    std::filesystem::remove(name, ec);
    if (ec && failure.empty())
      failure = name + ": cannot remove the output file of an earlier run (" + ec.message() + ")";
  }
  if (!failure.empty()) throw rec::Error(failure);
}

}  // namespace eng
