// global.csv and regional.csv of a finished run against the fixed-column
// files they come from, read here as plain text columns.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "results/finished_run.h"

namespace {

namespace fs = std::filesystem;
using testsupport::read_lines;
using testsupport::read_text;

using FinishedRun = testsupport::FinishedRun;

std::vector<std::string> split(const std::string& line, char sep) {
  std::vector<std::string> f;
  std::string cell;
  std::istringstream is(line);
  while (std::getline(is, cell, sep)) f.push_back(cell);
  if (!line.empty() && line.back() == sep) f.push_back("");
  return f;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream is(line);
  std::vector<std::string> w;
  for (std::string x; is >> x;) w.push_back(x);
  return w;
}

// The rows of a display file between its two header records, as words.
std::vector<std::vector<std::string>> display_rows(const fs::path& file) {
  const std::vector<std::string> lines = read_lines(file);
  std::vector<std::vector<std::string>> rows;
  for (std::size_t k = 1; k + 1 < lines.size(); ++k) rows.push_back(words(lines[k]));
  return rows;
}

// global.csv as (scenario, set, variable) -> (unit, year -> value).
struct Column {
  std::string unit;
  std::map<int, std::string> values;
};
std::map<std::string, Column> global_csv(int& rows) {
  std::map<std::string, Column> c;
  const std::vector<std::string> lines = read_lines(FinishedRun::results() / "global.csv");
  rows = static_cast<int>(lines.size()) - 1;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::vector<std::string> f = split(lines[k], ',');
    EXPECT_EQ(f.size(), 6u) << lines[k];
    if (f.size() != 6) continue;
    Column& col = c[f[0] + "|" + f[1] + "|" + f[2]];
    col.unit = f[3];
    col.values[std::stoi(f[4])] = f[5];
  }
  return c;
}

TEST_F(FinishedRun, GlobalCsvHoldsEveryYearOfTheDisplayAndDriveFilesWithUnits) {
  const std::string text = read_text(results() / "global.csv");
  ASSERT_TRUE(text.starts_with("scenario,parameter_set,variable,unit,year,value\r\n")) << text.substr(0, 80);
  int rows = 0;
  const std::map<std::string, Column> csv = global_csv(rows);

  // temps.dis: YEAR TEMUSER TEMLO TEMMID TEMHI TEMNOSO2, 1765-2050 for
  // both scenarios, every value as printed.
  const char* sets[] = {"USER", "LOW", "MID", "HIGH"};
  for (const auto& [label, folder] : {std::pair{"RCP4.5", "orvtar-reference"}, std::pair{"RCP2.6", "orvtar-policy"}}) {
    const auto temps = display_rows(run_ / folder / "temps.dis");
    ASSERT_EQ(temps.size(), 2050u - 1765u + 1u);
    for (int s = 0; s < 4; ++s) {
      const auto at = csv.find(std::string(label) + "|" + sets[s] + "|temperature");
      ASSERT_NE(at, csv.end()) << label << " " << sets[s];
      EXPECT_EQ(at->second.unit, "degC");
      ASSERT_EQ(at->second.values.size(), temps.size());
      for (const auto& row : temps) EXPECT_EQ(at->second.values.at(std::stoi(row[0])), row[1 + s]) << row[0];
    }
    // sealev.dis: YEAR MSLUSER MSLLO MSLMID MSLHI, cm.
    const auto sealev = display_rows(run_ / folder / "sealev.dis");
    const Column& mid = csv.at(std::string(label) + "|MID|sea_level");
    EXPECT_EQ(mid.unit, "cm");
    for (const auto& row : sealev) EXPECT_EQ(mid.values.at(std::stoi(row[0])), row[3]) << row[0];
    // middrive.raw: after its head, YEAR then the warming columns; the
    // greenhouse-gas warming of 2050 is the second field.
    const std::vector<std::string> drive = read_lines(run_ / folder / "middrive.raw");
    const std::vector<std::string> last = words(drive.back());
    ASSERT_EQ(last.front(), "2050");
    EXPECT_EQ(csv.at(std::string(label) + "|MID|warming_ghg").values.at(2050), last[1]);
  }
  for (const auto& [key, unit] : std::map<std::string, std::string>{{"RCP4.5|USER|co2", "ppm"},
                                                                   {"RCP4.5|USER|ch4", "ppb"},
                                                                   {"RCP4.5|USER|n2o", "ppb"},
                                                                   {"RCP4.5|USER|forcing_co2", "W/m**2"},
                                                                   {"RCP2.6||emissions_fossil_co2", "GtC/yr"},
                                                                   {"RCP2.6||emissions_so2_region2", "TgS/yr"},
                                                                   {"RCP2.6|MID|sea_level_greenland", "cm"}}) {
    const auto at = csv.find(key);
    ASSERT_NE(at, csv.end()) << key;
    EXPECT_EQ(at->second.unit, unit) << key;
  }
  // Every (scenario, set, variable) of both scenarios: the same variables.
  std::set<std::string> ref, pol;
  for (const auto& [key, c] : csv) (key.starts_with("RCP4.5") ? ref : pol).insert(key.substr(key.find('|')));
  EXPECT_EQ(ref, pol);
  int values = 0;
  for (const auto& [key, c] : csv) values += static_cast<int>(c.values.size());
  EXPECT_EQ(values, rows) << "a (scenario, set, variable, year) appears twice";
}

TEST_F(FinishedRun, RegionalCsvHoldsCrossmodsAreaAveragesAsPrinted) {
  // AREAAVES.OUT prints "... : AREA AVERAGE = value" lines.
  const auto printed = [&](const char* folder, const std::string& label) {
    for (const std::string& l : read_lines(run_ / folder / "IMOUT/AREAAVES.OUT"))
      if (l.find(label) != std::string::npos) return words(l.substr(l.find('=') + 1)).at(0);
    return std::string("(no line)");
  };
  std::map<std::string, std::string> csv;
  const std::vector<std::string> lines = read_lines(results() / "regional.csv");
  ASSERT_EQ(lines.at(0), "scenario,engine,field,case,statistic,unit,value");
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::vector<std::string> f = split(lines[k], ',');
    ASSERT_EQ(f.size(), 7u) << lines[k];
    csv[f[0] + "|" + f[1] + "|" + f[2] + "|" + f[3] + "|" + f[4] + "|" + f[5]] = f[6];
  }
  for (const auto& [label, folder] :
       {std::pair{"RCP4.5", "engines-reference"}, std::pair{"RCP2.6", "engines-policy"}}) {
    const std::string s = std::string(label) + "|crossmod|";
    EXPECT_EQ(csv.at(s + "change_ghg_aerosol|model_mean|area_mean|degC"),
              printed(folder, "GHG AND AEROSOL  : AREA AVERAGE"));
    EXPECT_EQ(csv.at(s + "change_ghg|model_mean|area_mean|degC"), printed(folder, "GHG ONLY         : AREA AVERAGE"));
    EXPECT_EQ(csv.at(s + "intermodel_sd|model_mean|area_mean|degC/degC"),
              printed(folder, "INTER-MOD S.D.   : AREA AVERAGE"));
    EXPECT_EQ(csv.at(s + "probability_of_increase|model_mean|area_mean|1"),
              printed(folder, "PROB OF INCREASE : AREA AVERAGE"));
    EXPECT_TRUE(csv.contains(std::string(label) + "|varistat|sd_change|model_mean|area_mean|%"));
  }
}

}  // namespace
