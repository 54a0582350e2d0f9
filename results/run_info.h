// What the writers of results/ say about a run besides its numbers: the
// settings, where the model data came from, and when and how the results
// were made. Filled in by the front end (frontend/results_step.cpp).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace res {

struct ModelData {
  bool synthetic = false;         // patterns made by tesseragen, not by climate models
  std::string root;               // the tree's folder
  std::string description;        // one line: what the tree is and where it came from
  std::array<std::string, 18> names;  // the model behind catalogue slot 1 … 17; empty when not known
};

struct RunInfo {
  std::string run_folder;
  std::string created;   // "2025-01-31T12:00:00Z"
  std::string command;   // "scenario run settings.ini --out run" (the netCDF history)
  std::vector<std::pair<std::string, std::string>> settings;  // (setting, value) as the user gave them
  ModelData models;
  std::string summary;   // the headline table of the summary, as printed
};

// A label made safe as part of a file name: letters, digits, '.', '-' and
// '_' kept, anything else '_'.
std::string file_stem(const std::string& label);

}  // namespace res
