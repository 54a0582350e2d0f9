// The import manifest: an INI file in the style of the front end's
// settings.ini naming the models (catalogue slots GC01 … in order), the
// folders or files of their monthly tas and pr output for a historical and
// a scenario experiment, the epochs, and optionally observed climatologies
// and aerosol response patterns. `tesseraimport init` writes a commented
// template (manifest_template).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "importer/families.h"

namespace imp {

struct ModelSource {
  int slot = 0;                 // catalogue index 1 … 17
  std::string name;             // the model's own name, as the user gives it
  std::vector<std::string> historical, scenario;  // folders or files
};

struct ObservedSource {
  std::vector<std::string> tas, pr;  // empty: no observations of that variable
};

struct ImportManifest {
  std::string path;  // of the manifest itself
  std::string tree;  // the tree to write
  Epochs epochs;
  std::vector<ModelSource> models;
  std::array<ObservedSource, 2> observed;  // 0: the NEW set (digit 7), 1: the OLD set (digit 8)
  std::array<std::string, 3> aerosol;      // Europe, Asia, rest of the world; empty: none
  bool has_aerosol() const { return !aerosol[0].empty(); }
};

// Reads and checks a manifest; a wrong entry fails with rec::Error naming
// the file, the line and what was expected. Relative paths are taken from
// the manifest's folder.
ImportManifest read_manifest(const std::string& path);

// The commented template written by `tesseraimport init`.
std::string manifest_template();

// The files of variable `var` ("tas" or "pr") among `paths`: every
// "<var>_*.nc" in a folder, and the listed files whose names start with
// "<var>_"; sorted by name, each file once.
std::vector<std::string> files_of(const std::vector<std::string>& paths, const std::string& var);

}  // namespace imp
