#include "orvtar/control/results.h"

#include <stdexcept>
#include <string>

#include "orvtar/control/report_common.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/control/report_forcing.h"

namespace orv {
namespace {

constexpr OutputInfo OUTPUTS[] = {
    {Output::Temperature, "temperature", "degC", "global-mean surface temperature change since 1765"},
    {Output::TemperatureNhOcean, "temperature_nh_ocean", "degC", "Northern Hemisphere ocean temperature change"},
    {Output::TemperatureNhLand, "temperature_nh_land", "degC", "Northern Hemisphere land temperature change"},
    {Output::TemperatureShOcean, "temperature_sh_ocean", "degC", "Southern Hemisphere ocean temperature change"},
    {Output::TemperatureShLand, "temperature_sh_land", "degC", "Southern Hemisphere land temperature change"},
    {Output::SeaLevel, "sea_level", "cm", "global-mean sea-level rise since 1765"},
    {Output::SeaLevelExpansion, "sea_level_expansion", "cm", "sea-level rise from thermal expansion"},
    {Output::SeaLevelGlaciers, "sea_level_glaciers", "cm", "sea-level rise from glaciers and small ice caps"},
    {Output::SeaLevelGreenland, "sea_level_greenland", "cm", "sea-level rise from the Greenland ice sheet"},
    {Output::SeaLevelAntarctica, "sea_level_antarctica", "cm", "sea-level rise from the Antarctic ice sheet"},
    {Output::SeaLevelOther, "sea_level_other", "cm", "further sea-level term (the report's Z-XTRA)"},
    {Output::Co2, "co2", "ppm", "CO2 concentration, mid-year"},
    {Output::Ch4, "ch4", "ppb", "CH4 concentration, mid-year"},
    {Output::N2o, "n2o", "ppb", "N2O concentration, mid-year"},
    {Output::Co2Low, "co2_low", "ppm", "CO2 concentration of the LOW carbon cycle"},
    {Output::Co2Mid, "co2_mid", "ppm", "CO2 concentration of the MID carbon cycle"},
    {Output::Co2High, "co2_high", "ppm", "CO2 concentration of the HIGH carbon cycle"},
    {Output::Ch4Low, "ch4_low", "ppb", "CH4 concentration of the LOW case"},
    {Output::Ch4Mid, "ch4_mid", "ppb", "CH4 concentration of the MID case"},
    {Output::Ch4High, "ch4_high", "ppb", "CH4 concentration of the HIGH case"},
    {Output::Ch4Lifetime, "ch4_lifetime", "yr", "CH4 lifetime of the user case"},
    {Output::ForcingCo2, "forcing_co2", "W/m**2", "radiative forcing of CO2"},
    {Output::ForcingCh4, "forcing_ch4", "W/m**2", "forcing of CH4 with stratospheric water vapour"},
    {Output::ForcingN2o, "forcing_n2o", "W/m**2", "forcing of N2O"},
    {Output::ForcingHalocarbons, "forcing_halocarbons", "W/m**2", "forcing of the halocarbons"},
    {Output::ForcingTroposphericOzone, "forcing_tropospheric_ozone", "W/m**2", "forcing of tropospheric ozone, CH4-induced part included"},
    {Output::ForcingSulphateDirect, "forcing_sulphate_direct", "W/m**2", "direct forcing of sulphate aerosol"},
    {Output::ForcingSulphateIndirect, "forcing_sulphate_indirect", "W/m**2", "indirect (cloud) forcing of sulphate aerosol"},
    {Output::ForcingBiomassAerosol, "forcing_biomass_aerosol", "W/m**2", "forcing of biomass-burning aerosol"},
    {Output::ForcingTotal, "forcing_total", "W/m**2", "total forcing (extra forcing not included)"},
    {Output::ForcingFossilOrganicBlackCarbon, "forcing_fossil_oc_bc", "W/m**2", "forcing of fossil organic and black carbon"},
    {Output::ForcingCh4Ozone, "forcing_ch4_ozone", "W/m**2", "CH4-induced part of the tropospheric-ozone forcing"},
    {Output::ForcingStratosphericOzone, "forcing_stratospheric_ozone", "W/m**2", "forcing of stratospheric-ozone depletion (0 when omitted)"},
    {Output::ForcingMontrealGases, "forcing_montreal_gases", "W/m**2", "direct forcing of the Montreal Protocol gases"},
    {Output::ForcingOtherHalocarbons, "forcing_other_halocarbons", "W/m**2", "forcing of the further halocarbons"},
    {Output::EmissionsFossilCo2, "emissions_fossil_co2", "GtC/yr", "fossil CO2 emissions"},
    {Output::EmissionsLandUseCo2, "emissions_land_use_co2", "GtC/yr", "net land-use CO2 emissions"},
    {Output::EmissionsCh4, "emissions_ch4", "Tg/yr", "CH4 emissions with the budget's natural offset"},
    {Output::EmissionsN2o, "emissions_n2o", "TgN/yr", "N2O emissions with the budget's natural offset"},
    {Output::EmissionsSo2Region1, "emissions_so2_region1", "TgS/yr", "SO2 emissions of region 1 (OECD of 1990, reforming economies)"},
    {Output::EmissionsSo2Region2, "emissions_so2_region2", "TgS/yr", "SO2 emissions of region 2 (Asia)"},
    {Output::EmissionsSo2Region3, "emissions_so2_region3", "TgS/yr", "SO2 emissions of region 3 (Middle East, Africa, Latin America)"},
    {Output::EmissionsSo2Global, "emissions_so2_global", "TgS/yr", "global SO2 emissions"},
};
static_assert(std::size(OUTPUTS) == OUTPUT_COUNT);

// The series from year index `first` to NYEND of a value per year index.
template <class Value>
AnnualSeries series_of(const OrvState& s, int first, Value&& value) {
  AnnualSeries a;
  a.first_year = year_of(first);
  a.values.reserve(static_cast<std::size_t>(s.NYEND - first + 1));
  for (int i = first; i <= s.NYEND; ++i) a.values.push_back(value(i));
  return a;
}

}  // namespace

std::string_view parameter_set_name(ParameterSet p) {
  switch (p) {
    case ParameterSet::Low: return "LOW";
    case ParameterSet::Mid: return "MID";
    case ParameterSet::High: return "HIGH";
    case ParameterSet::User: return "USER";
  }
  return "";
}

float AnnualSeries::at(int year) const {
  if (!has(year))
    throw std::out_of_range("year " + std::to_string(year) + " outside the series " +
                            std::to_string(first_year) + "-" + std::to_string(last_year()));
  return values[static_cast<std::size_t>(year - first_year)];
}

std::span<const OutputInfo> output_table() { return OUTPUTS; }

const OutputInfo& info(Output o) { return OUTPUTS[static_cast<std::size_t>(o)]; }

SimulationResult result_of(const OrvState& s) {
  SimulationResult r;
  r.parameter_set = static_cast<ParameterSet>(s.ICASE);
  r.so2_case = static_cast<So2Case>(s.ISO2CASE);
  r.climate_sensitivity = s.DT2X;

  const auto state = [&](const float (&x)[NY]) { return series_of(s, 1, [&](int i) { return x[i]; }); };
  r[Output::Temperature] = state(s.TEMP);
  r[Output::TemperatureNhOcean] = state(s.TNHO);
  r[Output::TemperatureNhLand] = state(s.TNHL);
  r[Output::TemperatureShOcean] = state(s.TSHO);
  r[Output::TemperatureShLand] = state(s.TSHL);
  r[Output::SeaLevel] = state(s.MSLTOT);
  r[Output::SeaLevelExpansion] = state(s.EXPN);
  r[Output::SeaLevelGlaciers] = state(s.GLAC);
  r[Output::SeaLevelGreenland] = state(s.GREENL);
  r[Output::SeaLevelAntarctica] = state(s.ANTAR);
  r[Output::SeaLevelOther] = state(s.ZXTRA);

  // The concentration and forcing rows, each formed once a year.
  struct Field {
    Output output;
    float ConcentrationRow::*conc;
    float ForcingRow::*forcing;
  };
  constexpr Field ROWS[] = {
      {Output::Co2, &ConcentrationRow::CO2, nullptr},
      {Output::Ch4, &ConcentrationRow::CH4, nullptr},
      {Output::N2o, &ConcentrationRow::N2O, nullptr},
      {Output::Co2Low, &ConcentrationRow::CO2LO, nullptr},
      {Output::Co2Mid, &ConcentrationRow::CO2MID, nullptr},
      {Output::Co2High, &ConcentrationRow::CO2HI, nullptr},
      {Output::Ch4Low, &ConcentrationRow::CH4LO, nullptr},
      {Output::Ch4Mid, &ConcentrationRow::CH4MID, nullptr},
      {Output::Ch4High, &ConcentrationRow::CH4HI, nullptr},
      {Output::Ch4Lifetime, &ConcentrationRow::TAUCH4, nullptr},
      {Output::ForcingCo2, nullptr, &ForcingRow::CO2},
      {Output::ForcingCh4, nullptr, &ForcingRow::CH4tot},
      {Output::ForcingN2o, nullptr, &ForcingRow::N2O},
      {Output::ForcingHalocarbons, nullptr, &ForcingRow::HALOtot},
      {Output::ForcingTroposphericOzone, nullptr, &ForcingRow::TROPOZ},
      {Output::ForcingSulphateDirect, nullptr, &ForcingRow::SO4DIR},
      {Output::ForcingSulphateIndirect, nullptr, &ForcingRow::SO4IND},
      {Output::ForcingBiomassAerosol, nullptr, &ForcingRow::BIOAER},
      {Output::ForcingTotal, nullptr, &ForcingRow::TOTAL},
      {Output::ForcingFossilOrganicBlackCarbon, nullptr, &ForcingRow::FOCFBC},
      {Output::ForcingCh4Ozone, nullptr, &ForcingRow::CH4O3},
      {Output::ForcingStratosphericOzone, nullptr, &ForcingRow::STRATO3},
      {Output::ForcingMontrealGases, nullptr, &ForcingRow::MONTDIR},
      {Output::ForcingOtherHalocarbons, nullptr, &ForcingRow::QKYOTO},
  };
  for (const Field& f : ROWS) {
    r[f.output].first_year = 1765;
    r[f.output].values.reserve(static_cast<std::size_t>(s.NYEND));
  }
  // The simulation's own aerosol forcing, from the first year.
  const AerosolSeries own{s.QAER, s.QAERDIR, 1765};
  for (int i = 1; i <= s.NYEND; ++i) {
    const ConcentrationRow c = concentration_row(s, i);
    const ForcingRow q = forcing_row(s, i, own);
    for (const Field& f : ROWS) r[f.output].values.push_back(f.conc ? c.*f.conc : q.*f.forcing);
  }

  const auto emissions = [&](const float (&x)[NY]) { return series_of(s, 226, [&](int i) { return x[i]; }); };
  r[Output::EmissionsFossilCo2] = emissions(s.EFOSS);
  r[Output::EmissionsLandUseCo2] = emissions(s.NETDEF);
  r[Output::EmissionsCh4] = emissions(s.EMCH4);
  r[Output::EmissionsN2o] = emissions(s.EMN2O);
  // The 1990 base ES1990 is shared out 37/75, 28/75 and 10/75, so that the
  // three regions add up to the global emission.
  const auto region = [&](const float (&x)[NY], float share_removed) {
    return series_of(s, 226, [&](int i) { return x[i] - share_removed * s.ES1990; });
  };
  r[Output::EmissionsSo2Region1] = region(s.SO2REG1, 0.5066667f);
  r[Output::EmissionsSo2Region2] = region(s.SO2REG2, 0.6266667f);
  r[Output::EmissionsSo2Region3] = region(s.SO2REG3, 0.8666667f);
  r[Output::EmissionsSo2Global] = series_of(s, 226, [&](int i) {
    return (s.SO2REG1[i] - 0.5066667f * s.ES1990) + (s.SO2REG2[i] - 0.6266667f * s.ES1990) +
           (s.SO2REG3[i] - 0.8666667f * s.ES1990);
  });
  return r;
}

}  // namespace orv
