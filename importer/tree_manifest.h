// TREE.INI, the manifest at the root of an imported tree: what the tree
// holds and where it came from. Written here; read by the front end
// (frontend/data_tree.cpp), in the same sections and keys:
//
//   [tree]      tool, date, manifest, baseline, future, models,
//               observed_new_tas, observed_new_pr, observed_old_tas,
//               observed_old_pr (present or all-missing), aerosol (present
//               or absent), unrepresentable (values written as missing)
//   [gc01] …    name, experiments, variants, calendar, grid, dTg (degC),
//               global_mean_baseline (degC), tas_files, pr_files
#pragma once

#include <array>
#include <string>
#include <vector>

#include "importer/import_manifest.h"

namespace imp {

struct ImportedModel {
  int slot = 0;
  std::string name, experiments, variants, calendar, grid;
  double dTg = 0.0, base_temperature = 0.0;
  std::vector<std::string> tas_files, pr_files;
};

struct TreeFacts {
  std::string date;  // ISO 8601 UTC
  std::vector<ImportedModel> models;
  std::array<bool, 4> observed{};  // new tas, new pr, old tas, old pr
  bool aerosol = false;
  long unrepresentable = 0;
};

void write_tree_manifest(const std::string& path, const ImportManifest& m, const TreeFacts& t);

// The date to record: SOURCE_DATE_EPOCH when set (reproducible builds),
// else now; ISO 8601 in UTC.
std::string record_date();

}  // namespace imp
