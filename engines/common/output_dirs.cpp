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

}  // namespace eng
