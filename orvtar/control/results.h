// What one simulation gives: annual series on a named year axis, each with
// its unit. The display files, the drive files and every caller of the
// model as a library take their numbers from here.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "orvtar/physics/state.h"

namespace orv {

// The four parameter sets (the case numbers 1 to 4 of the model).
enum class ParameterSet { Low = 1, Mid = 2, High = 3, User = 4 };

// The five SO2 emission cases of the twenty-simulation run.
enum class So2Case { Full = 1, ConstantAfter1990 = 2, Region1 = 3, Region2 = 4, Region3 = 5 };

// "LOW", "MID", "HIGH", "USER".
std::string_view parameter_set_name(ParameterSet p);

// Values for the years first_year, first_year + 1, ...
struct AnnualSeries {
  int first_year = 0;
  std::vector<float> values;

  int last_year() const { return first_year + static_cast<int>(values.size()) - 1; }
  bool has(int year) const { return year >= first_year && year <= last_year(); }
  // Throws std::out_of_range for a year outside the series.
  float at(int year) const;
};

// The series of a simulation. Temperatures and sea level are changes since
// the start of 1765, the value of year Y being the model's value at the
// start of Y (as in the display files); concentrations and forcings are
// mid-year values.
enum class Output {
  // temperature change, degC
  Temperature, TemperatureNhOcean, TemperatureNhLand, TemperatureShOcean, TemperatureShLand,
  // sea-level rise, cm
  SeaLevel, SeaLevelExpansion, SeaLevelGlaciers, SeaLevelGreenland, SeaLevelAntarctica,
  SeaLevelOther,
  // concentrations: CO2 ppm, CH4 and N2O ppb, CH4 lifetime yr; the user case
  // and the LOW, MID and HIGH reference cases (the user case's values
  // before 2000)
  Co2, Ch4, N2o, Co2Low, Co2Mid, Co2High, Ch4Low, Ch4Mid, Ch4High, Ch4Lifetime,
  // forcing by agent, W/m**2
  ForcingCo2, ForcingCh4, ForcingN2o, ForcingHalocarbons, ForcingTroposphericOzone,
  ForcingSulphateDirect, ForcingSulphateIndirect, ForcingBiomassAerosol, ForcingTotal,
  ForcingFossilOrganicBlackCarbon, ForcingCh4Ozone, ForcingStratosphericOzone,
  ForcingMontrealGases, ForcingOtherHalocarbons,
  // emissions from 1990: CO2 GtC/yr, CH4 Tg/yr, N2O TgN/yr, SO2 TgS/yr
  EmissionsFossilCo2, EmissionsLandUseCo2, EmissionsCh4, EmissionsN2o, EmissionsSo2Region1,
  EmissionsSo2Region2, EmissionsSo2Region3, EmissionsSo2Global,
};
inline constexpr std::size_t OUTPUT_COUNT = static_cast<std::size_t>(Output::EmissionsSo2Global) + 1;

struct OutputInfo {
  Output output;
  std::string_view key;          // "temperature", "forcing_co2": for files and tables
  std::string_view unit;         // "degC", "W/m**2"
  std::string_view description;  // "global-mean surface temperature change since 1765"
};

// One entry per Output, in the order of the enumeration.
std::span<const OutputInfo> output_table();
const OutputInfo& info(Output o);

struct SimulationResult {
  ParameterSet parameter_set = ParameterSet::Mid;
  So2Case so2_case = So2Case::Full;
  float climate_sensitivity = 0;  // DT2X, degC per CO2 doubling
  std::array<AnnualSeries, OUTPUT_COUNT> series;

  const AnnualSeries& operator[](Output o) const { return series[static_cast<std::size_t>(o)]; }
  AnnualSeries& operator[](Output o) { return series[static_cast<std::size_t>(o)]; }
};

// The results of a simulation whose time loop has run in `s`.
SimulationResult result_of(const OrvState& s);

}  // namespace orv
