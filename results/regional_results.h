// The pattern engines' results of one scenario, read from an engines
// folder of a run: the run's settings (SHELL.CFG, EXTRA.CFG, the mask),
// every result field of crossmod and varistat on the 5-degree grid, and
// crossmod's area averages. Each file is read by its engine's own reader
// (engines/crossmod/field_tables.h, areaaves_report.h,
// engines/varistat/result_tables.h).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engines/common/area.h"
#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/grid.h"
#include "engines/crossmod/areaaves_report.h"

namespace res {

enum class Engine { Crossmod, Varistat };
std::string_view engine_name(Engine e);  // "crossmod", "varistat"

// How a field's values are drawn: changes around zero, or amounts.
enum class Scale { Diverging, Sequential };

// One result field and what it is. Units depend on the run's variable:
// the CF spelling for netCDF ("K", "mm day-1"), the engines' own for
// tables and figures ("degC", "mm/day").
struct GridVariable {
  std::string name;       // netCDF variable name: "change_ghg"
  std::string long_name;  // "multi-model mean scaled change, greenhouse gases only"
  std::string units;      // CF units
  std::string label_units;  // units as the engines print them
  Engine engine = Engine::Crossmod;
  std::string source;     // file it was read from, relative to the engines folder
  Scale scale = Scale::Diverging;
  bool counts = false;    // whole numbers (cases with an increase)
  eng::Field field;       // MISSING (-99.99) where the engine had no value
};

struct RegionalResults {
  std::string scenario;  // "RCP4.5"
  std::string folder;
  eng::EngineConfig config;  // crossmod's reading of SHELL.CFG and EXTRA.CFG
  eng::MaskFile mask;        // the mask file when the area is one
  eng::Area area;
  std::vector<GridVariable> fields;
  xm::AreaAverages averages;
  int overflowed = 0;  // values that held asterisks, kept as missing

  const GridVariable* find(std::string_view name) const;
};

// Reads the engines folder `dir`; a missing or malformed file throws
// rec::Error naming it.
RegionalResults read_regional_results(const std::string& dir, const std::string& scenario);

// "temperature" or "precipitation"
std::string_view variable_name(const eng::EngineConfig& c);

}  // namespace res
