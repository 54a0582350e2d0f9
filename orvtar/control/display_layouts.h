// The layouts of the display files (temps.dis, sealev.dis, concs.dis,
// forcings.dis, emiss.dis) and of the drive files: the literal header and
// row formats, and what each value column of a row holds. The writers
// (display_files.cpp, drive_files.cpp) write with these formats and the
// results reader (results/) reads with them, so a layout is stated once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "orvtar/control/report_forcing.h"
#include "orvtar/control/results.h"

namespace orv {

// A value column of a row: the series it holds, whose key and unit are in
// output_table(); the parameter set of the simulation it comes from (none
// for the emissions, which every set shares); and, for a column that is a
// variant of the series (a different SO2 case, a part of the warming), a
// key of its own in place of the series' key.
struct DisplayColumn {
  std::string_view label;  // the column's header text: "TEMLO"
  Output output;
  std::optional<ParameterSet> set;
  std::string_view key = {};  // empty: the series' own key

  std::string_view variable() const { return key.empty() ? info(output).key : key; }
};

// temps.dis: global-mean temperature change from IREFYR, every IDISSTEP
// years from 1765.
namespace temps_dis {
inline constexpr std::string_view NAME = "temps.dis";
inline constexpr std::string_view HEADER = "(1X,'YEAR  TEMUSER    TEMLO   TEMMID    TEMHI TEMNOSO2')";
inline constexpr std::string_view ROW = "(1X,I4,5F9.3)";  // year, then the columns
inline constexpr DisplayColumn COLUMNS[] = {
    {"TEMUSER", Output::Temperature, ParameterSet::User},
    {"TEMLO", Output::Temperature, ParameterSet::Low},
    {"TEMMID", Output::Temperature, ParameterSet::Mid},
    {"TEMHI", Output::Temperature, ParameterSet::High},
    {"TEMNOSO2", Output::Temperature, ParameterSet::Mid, "temperature_so2_constant_after_1990"},
};
}  // namespace temps_dis

// sealev.dis: total sea-level rise from IREFYR, every IDISSTEP years from
// 1765 (four values on a row although the format has room for five).
namespace sealev_dis {
inline constexpr std::string_view NAME = "sealev.dis";
inline constexpr std::string_view HEADER = "(1X,'YEAR  MSLUSER    MSLLO   MSLMID    MSLHI')";
inline constexpr std::string_view ROW = "(1X,I4,5F9.1)";
inline constexpr DisplayColumn COLUMNS[] = {
    {"MSLUSER", Output::SeaLevel, ParameterSet::User},
    {"MSLLO", Output::SeaLevel, ParameterSet::Low},
    {"MSLMID", Output::SeaLevel, ParameterSet::Mid},
    {"MSLHI", Output::SeaLevel, ParameterSet::High},
};
}  // namespace sealev_dis

// concs.dis: mid-year concentrations of the fourth simulation (the USER
// set), every IDISSTEP years from 1765. Before 1990 a row repeats the user
// CO2 and CH4 in the columns of the three cases and has no lifetime.
namespace concs_dis {
inline constexpr std::string_view NAME = "concs.dis";
inline constexpr std::string_view HEADER =
    "(1X,'YEAR CO2USER   CO2LO  CO2MID   CO2HI',' CH4USER   CH4LO  CH4MID   CH4HI     N2O',' MIDTAUCH4')";
inline constexpr std::string_view ROW_BEFORE_1990 = "(1X,I4,9F8.1)";   // the first nine columns
inline constexpr std::string_view ROW_FROM_1990 = "(1X,I4,9F8.1,F10.2)";  // all ten
inline constexpr int FIRST_YEAR_WITH_LIFETIME = 1990;
inline constexpr DisplayColumn COLUMNS[] = {
    {"CO2USER", Output::Co2, ParameterSet::User},       {"CO2LO", Output::Co2Low, ParameterSet::User},
    {"CO2MID", Output::Co2Mid, ParameterSet::User},     {"CO2HI", Output::Co2High, ParameterSet::User},
    {"CH4USER", Output::Ch4, ParameterSet::User},       {"CH4LO", Output::Ch4Low, ParameterSet::User},
    {"CH4MID", Output::Ch4Mid, ParameterSet::User},     {"CH4HI", Output::Ch4High, ParameterSet::User},
    {"N2O", Output::N2o, ParameterSet::User},           {"MIDTAUCH4", Output::Ch4Lifetime, ParameterSet::User},
};
inline constexpr std::string_view row_format(int year) {
  return year < FIRST_YEAR_WITH_LIFETIME ? ROW_BEFORE_1990 : ROW_FROM_1990;
}
}  // namespace concs_dis

// forcings.dis: mid-year forcing by agent of the fourth simulation (the USER
// set), change from 1990, every IDISSTEP years from 1990. The rows are the
// rows of the report's forcing tables: the year, ten columns, the year
// again, four columns.
namespace forcings_dis {
inline constexpr std::string_view NAME = "forcings.dis";
inline constexpr std::string_view HEADER = FORCING_TABLE_HEADER;
inline constexpr std::string_view ROW = FORCING_TABLE_ROW;
inline constexpr int COLUMNS_BEFORE_SECOND_YEAR = 10;
inline constexpr DisplayColumn COLUMNS[] = {
    {"CO2", Output::ForcingCo2, ParameterSet::User},
    {"CH4tot", Output::ForcingCh4, ParameterSet::User},
    {"N2O", Output::ForcingN2o, ParameterSet::User},
    {"HALOtot", Output::ForcingHalocarbons, ParameterSet::User},
    {"TROPOZ", Output::ForcingTroposphericOzone, ParameterSet::User},
    {"SO4DIR", Output::ForcingSulphateDirect, ParameterSet::User},
    {"SO4IND", Output::ForcingSulphateIndirect, ParameterSet::User},
    {"BIOAER", Output::ForcingBiomassAerosol, ParameterSet::User},
    {"TOTAL", Output::ForcingTotal, ParameterSet::User},
    {"FOC+FBC", Output::ForcingFossilOrganicBlackCarbon, ParameterSet::User},
    {"CH4-O3", Output::ForcingCh4Ozone, ParameterSet::User},
    {"STRATO3", Output::ForcingStratosphericOzone, ParameterSet::User},
    {"MONTDIR", Output::ForcingMontrealGases, ParameterSet::User},
    {"QKYOTO", Output::ForcingOtherHalocarbons, ParameterSet::User},
};
}  // namespace forcings_dis

// emiss.dis: the emissions used, every IDISSTEP years from 1990.
namespace emiss_dis {
inline constexpr std::string_view NAME = "emiss.dis";
inline constexpr std::string_view HEADER =
    "(1X,'YEAR  FOSSCO2 NETDEFOR      CH4      N2O',' SO2-REG1 SO2-REG2 SO2-REG3   SO2-GL')";
inline constexpr std::string_view ROW = "(1X,I4,8F9.2)";
inline constexpr DisplayColumn COLUMNS[] = {
    {"FOSSCO2", Output::EmissionsFossilCo2, std::nullopt},
    {"NETDEFOR", Output::EmissionsLandUseCo2, std::nullopt},
    {"CH4", Output::EmissionsCh4, std::nullopt},
    {"N2O", Output::EmissionsN2o, std::nullopt},
    {"SO2-REG1", Output::EmissionsSo2Region1, std::nullopt},
    {"SO2-REG2", Output::EmissionsSo2Region2, std::nullopt},
    {"SO2-REG3", Output::EmissionsSo2Region3, std::nullopt},
    {"SO2-GL", Output::EmissionsSo2Global, std::nullopt},
};
}  // namespace emiss_dis

// The drive files of the twenty-simulation run: warming since 1990 of one
// parameter set split into greenhouse gases and the three SO2 regions,
// yearly from 1961. Six head records (the profile, the parameter set, the
// column header, REF T), then the rows; no closing header.
namespace drive_files {
inline constexpr std::string_view PROFILE = "(1X,'PROFILE: ',A20)";
inline constexpr std::string_view PARAMETER_SET[5] = {
    "",
    "(/,1X,'LOW CLIMATE MODEL PARAMETERS')",
    "(/,1X,'MID CLIMATE MODEL PARAMETERS')",
    "(/,1X,'HIGH CLIMATE MODEL PARAMETERS')",
    "(/,1X,'USER CLIMATE MODEL PARAMETERS')",
};
inline constexpr std::string_view HEADER = "(/,2X,'YEAR       GHG     ESO21     ESO22     ESO23','       SUM')";
inline constexpr std::string_view REF_T = "(1X,'REF T',40X,F10.4)";
inline constexpr int HEAD_RECORDS = 6;
inline constexpr std::string_view ROW = "(1X,I5,5F10.4)";
// The file stems by parameter set (case number 1 to 4).
inline constexpr std::string_view STEM[5] = {"", "lodrive", "middrive", "hidrive", "usrdrive"};
inline constexpr std::string_view RAW = ".raw";     // regional parts as simulated
inline constexpr std::string_view SCALED = ".out";  // regional parts rescaled to the aerosol total
// The file of parameter set p (1 to 4) and kind RAW or SCALED: "lodrive.raw".
inline std::string file_name(int p, std::string_view kind) { return std::string(STEM[p]) + std::string(kind); }

// The columns of a .raw row (set is filled in by the file's parameter set).
inline constexpr DisplayColumn RAW_COLUMNS[] = {
    {"GHG", Output::Temperature, std::nullopt, "warming_ghg"},
    {"ESO21", Output::Temperature, std::nullopt, "warming_so2_region1"},
    {"ESO22", Output::Temperature, std::nullopt, "warming_so2_region2"},
    {"ESO23", Output::Temperature, std::nullopt, "warming_so2_region3"},
    {"SUM", Output::Temperature, std::nullopt, "warming_total"},
};
// The columns of a .out row: GHG and SUM as in .raw.
inline constexpr DisplayColumn SCALED_COLUMNS[] = {
    {"GHG", Output::Temperature, std::nullopt, "warming_ghg"},
    {"ESO21", Output::Temperature, std::nullopt, "warming_so2_region1_scaled"},
    {"ESO22", Output::Temperature, std::nullopt, "warming_so2_region2_scaled"},
    {"ESO23", Output::Temperature, std::nullopt, "warming_so2_region3_scaled"},
    {"SUM", Output::Temperature, std::nullopt, "warming_total"},
};
}  // namespace drive_files

}  // namespace orv
