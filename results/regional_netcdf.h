// regional-<scenario>.nc: every result field of crossmod and varistat of
// one scenario on the 5-degree grid, netCDF-4 following the CF conventions
// 1.8, with the run's settings and provenance as global attributes
// (docs/formats/results.md). Written through the project's netCDF wrapper
// (netcdf/); a build without the netCDF library has no such file.
#pragma once

#include <string>

#include "results/regional_results.h"
#include "results/run_info.h"

namespace res {

// False when the toolkit was built without the netCDF library.
bool netcdf_available();

void write_regional_netcdf(const std::string& path, const RegionalResults& r, const RunInfo& info);

}  // namespace res
