// One import: every model's tas and pr series checked, then read month by
// month into yearly seasonal means, turned into the six field families of
// every season, written with the observed baselines and aerosol patterns
// into a temporary folder beside the tree, which replaces the tree only
// when everything is written.
#pragma once

#include <ostream>
#include <string>

#include "importer/import_manifest.h"

namespace imp {

inline constexpr const char* TOOL_VERSION = "tesseraimport 1.0";
inline constexpr const char* TREE_MANIFEST = "TREE.INI";  // at the tree's root

struct ImportSummary {
  int models = 0;
  long files = 0;
  double mb_read = 0.0;  // netCDF data read, MB
  double seconds = 0.0;
};

// Runs the import of `m`; progress lines go to `progress` (nullptr: none).
// Fails with rec::Error (the tree as it was before is left untouched and the
// temporary folder removed).
ImportSummary run_import(const ImportManifest& m, std::ostream* progress);

}  // namespace imp
