#include "orvtar/control/series_drivers.h"

namespace orv {
namespace {

constexpr std::string_view CLIMATE[] = {"XK",       "HM",       "W0",      "RLO",     "XKLO",
                                        "XKNS",     "TOFAC",    "PI",      "IVARW",   "TWZERONH",
                                        "TWZEROSH", "QCO2COEF", "IQEXTRA", "QOFFSET", "QFACTOR"};
constexpr std::string_view SEA_LEVEL[] = {"IUSERICE", "XK", "HM", "W0", "RLO", "TOFAC", "IVARW"};
constexpr std::string_view CO2[] = {"LEVCO2",   "IFEED", "CCFB2",    "CCFB3",  "CCFB4",
                                    "FOC80SIN", "IMETH", "ICO2CONC", "IQKYOTO"};
constexpr std::string_view CH4[] = {"LEVCH4", "TAUCH4U", "TAUCH4M", "DTAUCH4", "TAUSINK1", "TAUSINK2",
                                    "CH4C90", "CH4DC90", "SOHM",    "DSOH",    "GAMOH",    "CNOXM",
                                    "CCOM",   "CVOCM",   "CH4CONV", "ITAUFB"};
constexpr std::string_view N2O[] = {"TAUN2O", "N2OC90", "N2ODC90", "SN2O", "N2OCONV", "LAGN2O"};
constexpr std::string_view FORCING_CO2[] = {"QCO2COEF", "CO2SCALE", "ICO2CONC"};
constexpr std::string_view FORCING_CH4[] = {"DELQH2O", "LEVCH4"};
constexpr std::string_view FORCING_N2O[] = {"QN2OC"};
constexpr std::string_view HALOCARBONS[] = {"IHALO"};
constexpr std::string_view OZONE[] = {"QO3DU", "IGASKDEF", "GASK1", "GASK2", "GASK3", "GASK4", "GASK5"};
constexpr std::string_view STRAT_OZONE[] = {"IO3FEED"};
constexpr std::string_view AEROSOL[] = {"LEVSO4", "QDIRU", "QINDU", "QBIOU", "QFOCU", "IFOCSC", "ES1990", "ESNAT"};
constexpr std::string_view TOTAL[] = {"IQGHG"};

// The series from `first` to `last` in the order of the enumeration share
// their drivers.
struct Row {
  Output first, last;
  SeriesDrivers drivers;
};

constexpr Row ROWS[] = {
    {Output::Temperature,
     Output::TemperatureShLand,
     {Stage::Temperature, CLIMATE, "the total forcing, the extra forcing qextra.in with IQEXTRA",
      Output::ForcingTotal}},
    {Output::SeaLevel,
     Output::SeaLevelOther,
     {Stage::SeaLevel, SEA_LEVEL, "the global temperature", Output::Temperature}},
    {Output::Co2,
     Output::Co2,
     {Stage::Concentrations, CO2, "the fossil and land-use CO2 of GAS.EMK, or co2input.dat with ICO2CONC",
      Output::EmissionsFossilCo2}},
    {Output::Ch4,
     Output::Ch4,
     {Stage::Concentrations, CH4, "the CH4, NOx, CO and VOC emissions of GAS.EMK", Output::EmissionsCh4}},
    {Output::N2o, Output::N2o, {Stage::Concentrations, N2O, "the N2O emissions of GAS.EMK", Output::EmissionsN2o}},
    {Output::Co2Low,
     Output::Co2High,
     {Stage::Concentrations, CO2, "the fossil and land-use CO2 of GAS.EMK", Output::EmissionsFossilCo2}},
    {Output::Ch4Low,
     Output::Ch4Lifetime,
     {Stage::Concentrations, CH4, "the CH4, NOx, CO and VOC emissions of GAS.EMK", Output::EmissionsCh4}},
    {Output::ForcingCo2, Output::ForcingCo2, {Stage::Forcing, FORCING_CO2, "the CO2 concentration", Output::Co2}},
    {Output::ForcingCh4, Output::ForcingCh4, {Stage::Forcing, FORCING_CH4, "the CH4 concentration", Output::Ch4}},
    {Output::ForcingN2o, Output::ForcingN2o, {Stage::Forcing, FORCING_N2O, "the N2O concentration", Output::N2o}},
    {Output::ForcingHalocarbons,
     Output::ForcingHalocarbons,
     {Stage::Forcing, HALOCARBONS, "the halocarbon forcing QHALOS.IN", {}}},
    {Output::ForcingTroposphericOzone,
     Output::ForcingTroposphericOzone,
     {Stage::Forcing, OZONE, "the CH4, NOx, CO and VOC emissions of GAS.EMK", Output::EmissionsCh4}},
    {Output::ForcingSulphateDirect,
     Output::ForcingBiomassAerosol,
     {Stage::Forcing, AEROSOL, "the SO2 emissions of GAS.EMK", Output::EmissionsSo2Global}},
    {Output::ForcingTotal, Output::ForcingTotal, {Stage::Forcing, TOTAL, "the forcing of every agent", {}}},
    {Output::ForcingFossilOrganicBlackCarbon,
     Output::ForcingFossilOrganicBlackCarbon,
     {Stage::Forcing, AEROSOL, "the SO2 and CO emissions of GAS.EMK", Output::EmissionsSo2Global}},
    {Output::ForcingCh4Ozone, Output::ForcingCh4Ozone, {Stage::Forcing, OZONE, "the CH4 concentration", Output::Ch4}},
    {Output::ForcingStratosphericOzone,
     Output::ForcingStratosphericOzone,
     {Stage::Forcing, STRAT_OZONE, "the halocarbon forcing QHALOS.IN", {}}},
    {Output::ForcingMontrealGases,
     Output::ForcingOtherHalocarbons,
     {Stage::Forcing, HALOCARBONS, "the halocarbon forcing QHALOS.IN", {}}},
    {Output::EmissionsFossilCo2,
     Output::EmissionsSo2Global,
     {Stage::Emissions, {}, "the emissions profile GAS.EMK", {}}},
};

}  // namespace

SeriesDrivers series_drivers(Output o) {
  for (const Row& r : ROWS)
    if (o >= r.first && o <= r.last) return r.drivers;
  return {};
}

}  // namespace orv
