#include "frontend/run_folder.h"

#include <fcntl.h>
#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <vector>

#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

std::string folder_name(const std::string& target) {
  fs::path p = fs::path(target).lexically_normal();
  if (!p.has_filename()) p = p.parent_path();  // "run/" is the folder run
  if (!p.has_filename() || p == p.root_path())
    rec::fail(target, 0, "expected a run folder, not the file system's root");
  return p.string();
}

void check_replaceable(const std::string& target) {
  std::error_code ec;
  if (!fs::exists(target, ec)) return;
  if (!fs::is_directory(target, ec))
    rec::fail(target, 0, "is not a folder; expected the name of a run folder, new or of an earlier run");
  for (const fs::directory_entry& e : fs::directory_iterator(target)) {
    const std::string name = e.path().filename().string();
    if (std::find(std::begin(RUN_FOLDER_ENTRIES), std::end(RUN_FOLDER_ENTRIES), name) == std::end(RUN_FOLDER_ENTRIES))
      rec::fail(target, 0,
                "holds " + name +
                    ", which scenario run does not write; a run replaces its run folder whole, so give a new "
                    "folder, an empty one or that of an earlier run");
  }
}

void remove_all(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  if (ec) rec::fail(path, 0, "cannot remove it: " + ec.message());
}

void rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (ec) rec::fail(from, 0, "cannot rename it to " + to + ": " + ec.message());
}

// Swaps the two folders at once where the file system can, else one after
// the other; afterwards `a` holds what `b` held and `b` what `a` held.
void exchange(const std::string& a, const std::string& b) {
  if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return;
  if (errno != EINVAL && errno != ENOSYS) rec::fail(a, 0, "cannot exchange it with " + b + ": " + std::strerror(errno));
  const std::string aside = b + ".old";
  remove_all(aside);
  rename(b, aside);
  rename(a, b);
  rename(aside, a);
}

}  // namespace

RunFolder::RunFolder(const std::string& target) : target_(folder_name(target)), build_(target_ + ".partial") {
  check_replaceable(target_);
  remove_all(build_);
  std::error_code ec;
  fs::create_directories(build_, ec);
  if (ec) rec::fail(build_, 0, "cannot create the folder: " + ec.message());
  had_target_ = fs::exists(target_, ec);
}

void RunFolder::commit() {
  std::error_code ec;
  if (!fs::exists(target_, ec)) {
    rename(build_, target_);
    return;
  }
  std::vector<std::string> moved;
  try {
    for (std::string_view sub : CARRIED_OVER) {
      const std::string name(sub);
      if (!fs::exists(target_ + "/" + name, ec)) continue;
      rename(target_ + "/" + name, build_ + "/" + name);
      moved.push_back(name);
    }
    exchange(build_, target_);
  } catch (const rec::Error&) {
    for (const std::string& name : moved) fs::rename(build_ + "/" + name, target_ + "/" + name, ec);
    throw;
  }
  // The earlier run folder, now under the build name: the run is in place
  // whatever happens here, and a next run removes what is left.
  fs::remove_all(build_, ec);
}

std::string RunFolder::keep_failed() {
  const std::string failed = target_ + ".failed";
  std::string where =
      had_target_ ? "the earlier run folder " + target_ + " is unchanged" : "no run folder " + target_ + " was made";
  std::error_code ec;
  fs::remove_all(failed, ec);
  fs::rename(build_, failed, ec);
  if (!ec) return where + "; this attempt is kept in " + failed;
  fs::remove_all(build_, ec);
  return where + "; this attempt was removed";
}

}  // namespace fe
