// The files an orvtar run writes in its working directory, named as their
// writers name them, and their removal at start-up: a run that fails leaves
// no file of an earlier run beside its own partial ones.
#pragma once

#include <string>
#include <vector>

namespace orv {

// Which runs write a file.
enum class WrittenBy {
  EveryRun,   // the report and the five display files
  DriveMode,  // the eight drive files: the run mode that writes them (writes_drive_files)
};

struct OutputFile {
  std::string name;
  WrittenBy by;
};

// Every file orvtar may write.
std::vector<OutputFile> output_files();

// Removes those of the files written by `by` that exist; fails with
// rec::Error naming one that cannot be removed.
void remove_outputs(WrittenBy by);

}  // namespace orv
