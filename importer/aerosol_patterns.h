// Regional sulphate-aerosol response patterns from netCDF: one file per
// region (Europe, Asia, rest of the world) holding tas (degC per degC of
// the region's weight) and pr (% per degC) of dimensions (season, lat, lon),
// 17 seasons in the engines' order, regridded conservatively to the
// 5-degree grid. The engines' pattern files have no missing value, so every
// box must get one.
#pragma once

#include <array>
#include <string>

#include "importer/regrid.h"

namespace imp {

inline constexpr std::array<const char*, 3> AEROSOL_REGION = {"EUROPE", "ASIA", "REST OF WORLD"};

using AerosolSeasons = std::array<std::array<double, eng::NGRID>, 17>;

// The 17 seasonal patterns of `variable` ("tas" or "pr") in `path`; fails
// naming the file and variable when the shape is wrong or a box gets no value.
AerosolSeasons read_aerosol_pattern(const std::string& path, const std::string& variable);

}  // namespace imp
