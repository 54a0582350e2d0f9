#include "records/earlier_outputs.h"

#include <filesystem>
#include <system_error>

#include "records/record_io.h"

namespace rec {

void remove_earlier_outputs(const std::vector<std::string>& names) {
  namespace fs = std::filesystem;
  std::string failure;
  for (const std::string& name : names) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(name, ec);
    if (ec || !fs::exists(status)) continue;
    if (fs::is_directory(status)) {
      if (failure.empty())
        failure = name + ": cannot remove the output file of an earlier run; a folder of that name is in the way";
      continue;
    }
    fs::remove(name, ec);
    if (ec && failure.empty())
      failure = name + ": cannot remove the output file of an earlier run (" + ec.message() + ")";
  }
  if (!failure.empty()) throw Error(failure);
}

}  // namespace rec
