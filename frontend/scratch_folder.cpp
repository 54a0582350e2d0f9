#include "frontend/scratch_folder.h"

#include <stdlib.h>

#include <filesystem>

#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {

ScratchFolder::ScratchFolder(std::string_view stem) {
  std::string pattern = (fs::temp_directory_path() / ("scenario-" + std::string(stem) + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw rec::Error("cannot make a folder under " + fs::temp_directory_path().string());
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

}  // namespace fe
