// A private folder under the system's temporary folder, removed with
// everything in it when the object goes.
#pragma once

#include <string>
#include <string_view>

namespace fe {

class ScratchFolder {
 public:
  // "scenario-STEM-" and six random characters; rec::Error when it cannot
  // be made.
  explicit ScratchFolder(std::string_view stem);
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace fe
