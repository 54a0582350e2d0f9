// The climate model's results of one scenario as typed series, read from
// the files orvtar wrote: the display files, the drive files and the
// temperature and sea-level table of ORV.OUT. Every file is read with the
// layout its writer uses (orvtar/control/display_layouts.h,
// temperature_table_layout.h); keys and units come from orvtar's table of
// outputs (orvtar/control/results.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvtar/control/results.h"

namespace res {

// One column of a file: a variable of one parameter set (none for the
// emissions, which every set shares) on the years the file has.
struct Series {
  std::string variable;  // "temperature", "warming_ghg"
  std::string unit;      // "degC"
  std::optional<orv::ParameterSet> set;
  std::string source;    // "temps.dis TEMLO"
  int decimals = 0;      // decimals printed in the file, so a value prints as it was read
  std::vector<int> years;
  std::vector<double> values;  // NaN where the field held asterisks (a value too wide for it), NaN or Inf

  // The value of `year`; nothing when the file has no such year or the
  // field held no number (asterisks, NaN or Inf).
  std::optional<double> at(int year) const;
};

enum class DisplayFile { Temps, SeaLevel, Concentrations, Forcings, Emissions };

// The series of one display file in the folder `dir`, in column order.
std::vector<Series> read_display_file(const std::string& dir, DisplayFile file);

// The series of the drive file of parameter set `set` (.raw, or .out when
// `scaled`) in `dir`.
std::vector<Series> read_drive_file(const std::string& dir, orv::ParameterSet set, bool scaled);

// The temperature and sea-level table of ORV.OUT: its reference year
// (IREFYR) and, for the first simulation of each parameter set (the one
// with the full SO2 emissions), the four sea-level terms (thermal
// expansion, glaciers, Greenland, Antarctica) as changes from IREFYR on
// the years the table prints. No terms when ITEMPTAB prints no table.
struct ReportTables {
  int reference_year = 0;
  std::vector<Series> sea_level_terms;
};
ReportTables read_report_tables(const std::string& orv_out);

// Everything of one scenario's climate-model folder.
struct GlobalResults {
  std::string scenario;  // "RCP4.5"
  std::string folder;
  int reference_year = 0;
  std::vector<Series> series;  // display files, drive files, report terms, in that order

  // The series of `variable` and `set`; nullptr when there is none.
  const Series* find(std::string_view variable, std::optional<orv::ParameterSet> set) const;
  // Values that held no number (asterisks, NaN or Inf), over all series.
  int overflowed() const;
};

// Reads every file of the folder `dir`; a missing or malformed file throws
// rec::Error naming it, the record and the field. Each column of a row is
// read on its own: a field that holds no number the writer could print
// (asterisks, NaN, Inf) is missing in its column alone.
GlobalResults read_global_results(const std::string& dir, const std::string& scenario);

}  // namespace res
