#include "frontend/install_dirs.h"

#include <cstdlib>
#include <filesystem>

#include "records/record_io.h"

namespace fe {

namespace fs = std::filesystem;

std::string executable_dir() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return self.parent_path().string();
}

std::string data_dir() {
  if (const char* d = std::getenv("TOOLKIT_DATA_DIR"); d && *d) {
    if (!fs::is_directory(d)) throw rec::Error(std::string("TOOLKIT_DATA_DIR ") + d + " is not a folder");
    return d;
  }
  // TOOLKIT_DATA_FROM_BIN: the data folder relative to the programs'
  // folder, as the build installs them ("../share/scenario-toolkit/data").
  const fs::path dir = (fs::path(executable_dir()) / TOOLKIT_DATA_FROM_BIN).lexically_normal();
  if (!fs::is_directory(dir))
    throw rec::Error("the bundled data folder " + dir.string() +
                     " is missing (the toolkit is installed incompletely); set TOOLKIT_DATA_DIR to the data folder");
  return dir.string();
}

}  // namespace fe
