// A run folder made whole or not at all. `scenario run` builds the new run
// in TARGET.partial beside the target and puts it in place only when every
// step succeeded, replacing an earlier run folder then; after a failure the
// earlier folder is as it was and the attempt is kept as TARGET.failed.
#pragma once

#include <string>
#include <string_view>

namespace fe {

// What a run folder may hold: what `scenario run` writes (chain.cpp,
// results_step.cpp) and what `scenario ensemble` and `sweep` add to it.
inline constexpr std::string_view RUN_FOLDER_ENTRIES[] = {"settings.ini",  "README.txt",        "orvtar-reference",
                                                          "orvtar-policy", "engines-reference", "engines-policy",
                                                          "results",       "ensemble",          "sweep"};

// The folders of an earlier run folder that a new run takes over: each
// has its own settings.ini and README.txt.
inline constexpr std::string_view CARRIED_OVER[] = {"ensemble", "sweep"};

class RunFolder {
 public:
  // Refuses (rec::Error) a target that holds anything else than
  // RUN_FOLDER_ENTRIES, since a finished run replaces it whole; then makes
  // TARGET.partial anew (a left-over one is removed).
  explicit RunFolder(const std::string& target);
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  const std::string& target() const { return target_; }
  const std::string& build() const { return build_; }

  // Puts the finished run in place of the target: the CARRIED_OVER folders
  // of an earlier run folder move into the new one, and the earlier one is
  // removed.
  void commit();

  // After a failure: keeps the attempt as TARGET.failed (an earlier one is
  // replaced) and returns the lines the message ends with, which say where
  // the earlier run folder and the attempt are.
  std::string keep_failed();

 private:
  std::string target_;
  std::string build_;
  bool had_target_ = false;
};

}  // namespace fe
