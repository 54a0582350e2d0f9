// Whole runs of orvtar compared with stored reference outputs
// (tests/data/reference/orvtar/<case>/): every file that each run writes,
// record by record, to one unit in the last printed digit. The cases cover
// the three run modes and the option sets whose code paths the other tests
// reach only in part. scripts/update-references.sh rewrites the stored
// files; review their diffs before committing them.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "orvtar_run.h"
#include "support/reference_outputs.h"

namespace {

namespace fs = std::filesystem;

struct Setting {
  const char* file;
  int record;
  const char* value;
};

struct InputFile {
  const char* name;
  const char* text;
};

struct Case {
  const char* name;
  std::vector<Setting> settings;
  std::vector<InputFile> files = {};
};

// Extra forcing in two columns (NH, SH) for 1985 to 1995.
const char* const QEXTRA_TWO_COLUMNS =
    "     2\n"
    "  1985 1995\n"
    "  1985     0.100     0.300\n"
    "  1986     0.100     0.300\n"
    "  1987     0.150     0.250\n"
    "  1988     0.200     0.200\n"
    "  1989     0.250     0.150\n"
    "  1990     0.300     0.100\n"
    "  1991    -2.000    -1.000\n"
    "  1992    -1.000    -0.500\n"
    "  1993     0.300     0.100\n"
    "  1994     0.300     0.100\n"
    "  1995     0.300     0.100\n";

// The input set tests/data/orvtar/e2e runs the RCP4.5 profile to 2100 with
// variable upwelling, the land/ocean sensitivity case (RLO = 1.2) and a
// time step of 0.1 year. Every case prints its tables every ten years.
const std::vector<Setting> COMMON = {
    {"ORVRUN.CFG", 1, "0"},     // IRUNMODE: four simulations unless a case says otherwise
    {"ORVRUN.CFG", 2, "10"},    // IDISSTEP
    {"ORVUSER.CFG", 11, "10"},  // IPRTSTEP
    {"ORVXTRA.CFG", 2, "0.1"},  // DT
    {"ORVXTRA.CFG", 4, "10"},   // IEMSTEP
    {"ORVXTRA.CFG", 5, "10"},   // ICCSTEP
    {"ORVXTRA.CFG", 6, "10"},   // ICONCSTEP
    {"ORVXTRA.CFG", 7, "10"},   // IQSTEP
};

const std::vector<Case> CASES = {
    {"four_simulations", {}},
    {"twenty_simulations",
     {{"ORVRUN.CFG", 1, "1"}, {"ORVUSER.CFG", 10, "2060"}}},
    {"single_user_simulation", {{"ORVRUN.CFG", 1, "9"}}},
    {"thermohaline_shutdown",
     {{"ORVUSER.CFG", 6, "2"},     // IVARW: permanent shutdown below WTHC
      {"ORVMOD.CFG", 7, "4.0"},    // TWZERONH
      {"ORVMOD.CFG", 8, "6.0"},    // TWZEROSH
      {"ORVRUN.CFG", 5, "3"},      // IWSCALE: hemispheric ocean mean
      {"ORVXTRA.CFG", 1, "0"}}},   // IWPROF: reference profile
    {"active_upwelling_global_sensitivity",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVRUN.CFG", 5, "5"},      // IWSCALE: global ocean mean, active W
      {"ORVMOD.CFG", 3, "1.0"},    // RLO: global sensitivity case
      {"ORVMOD.CFG", 1, "1.2"}}},  // TOFAC
    {"constant_upwelling",
     {{"ORVRUN.CFG", 1, "9"}, {"ORVUSER.CFG", 6, "0"}, {"ORVXTRA.CFG", 8, "0.3"}}},  // TOFFSET
    {"user_carbon_cycle",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVGAS.CFG", 1, "1"},      // IGASUSER: LEVCO2 = LEVSO4 = 4
      {"ORVGAS.CFG", 7, "0.05"},   // CCFB4
      {"ORVGAS.CFG", 3, "1.8"},    // FOC80SIN
      {"ORVXTRA.CFG", 3, "5"}}},   // ITEMPTAB
    {"prescribed_co2_scaled",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVMOD.CFG", 11, "1"},     // ICO2CONC
      {"ORVMOD.CFG", 12, "1.2"},   // CO2SCALE
      {"ORVXTRA.CFG", 3, "2"}}},   // ITEMPTAB
    {"prescribed_co2_other_gases",
     {{"ORVRUN.CFG", 1, "9"}, {"ORVMOD.CFG", 11, "2"}, {"ORVXTRA.CFG", 3, "3"}}},
    {"prescribed_co2_beyond_its_file",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVMOD.CFG", 11, "3"},
      {"ORVUSER.CFG", 10, "2150"},  // co2input.dat ends in 2100
      {"ORVXTRA.CFG", 3, "4"}}},
    {"extra_forcing_added",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVMOD.CFG", 13, "1"},      // IQEXTRA
      {"ORVMOD.CFG", 14, "0.05"},   // QOFFSET
      {"ORVMOD.CFG", 15, "2.0"}}},  // QFACTOR
    {"extra_forcing_alone",
     {{"ORVRUN.CFG", 1, "9"}, {"ORVMOD.CFG", 13, "2"}},
     {{"qextra.in", QEXTRA_TWO_COLUMNS}}},
    {"emulation_set",
     {{"ORVUSER.CFG", 7, "3"},      // IMODEL
      {"ORVUSER.CFG", 12, "3"}}},   // IUSERICE
    {"switches_off",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVUSER.CFG", 2, "0"},      // IFEED
      {"ORVUSER.CFG", 3, "1"},      // LEVSO4
      {"ORVUSER.CFG", 12, "1"},     // IUSERICE
      {"ORVGAS.CFG", 8, "0"},       // IMETH
      {"ORVGAS.CFG", 9, "3"},       // LEVCH4
      {"ORVGAS.CFG", 25, "1"},      // IFOCSC: scaled with SO2
      {"ORVGAS.CFG", 27, "0"},      // IO3FEED
      {"ORVGAS.CFG", 28, "2"},      // IHALO: constant after 2100
      {"ORVGAS.CFG", 35, "0"},      // ITAUFB
      {"ORVRUN.CFG", 3, "1"},       // ICONCYR: start of year
      {"ORVRUN.CFG", 4, "0"},       // IQKYOTO
      {"ORVXTRA.CFG", 11, "1"},     // IQGHG: CO2 only
      {"ORVXTRA.CFG", 22, "1"}}},   // IXTRAZERO
    {"other_cases",
     {{"ORVRUN.CFG", 1, "9"},
      {"ORVUSER.CFG", 1, "1"},      // LEVCO2
      {"ORVUSER.CFG", 3, "3"},      // LEVSO4
      {"ORVUSER.CFG", 8, "2000"},   // IREFYR
      {"ORVUSER.CFG", 9, "1900"},   // IPRTYR1
      {"ORVGAS.CFG", 9, "1"},       // LEVCH4
      {"ORVGAS.CFG", 34, "0"},      // IGASKDEF: the file's GASK1-5
      {"ORVGAS.CFG", 29, "0.2"},    // GASK1
      {"ORVRUN.CFG", 3, "2"},       // ICONCYR: end of year
      {"ORVRUN.CFG", 5, "2"},       // IWSCALE: global ocean mean
      {"ORVXTRA.CFG", 2, "0.5"},    // DT
      {"ORVXTRA.CFG", 11, "0"}}},   // IQGHG: no greenhouse forcing
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ReferenceRun : public ::testing::TestWithParam<Case> {};

TEST_P(ReferenceRun, EveryOutputMatchesTheStoredReference) {
  const Case& c = GetParam();
  e2e::OrvtarRun r;
  for (const Setting& s : COMMON) r.set(s.file, s.record, s.value);
  for (const Setting& s : c.settings) r.set(s.file, s.record, s.value);
  for (const InputFile& f : c.files) r.write(f.name, f.text);
  const std::set<fs::path> inputs = testsupport::files_below(r.path());

  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");

  std::set<fs::path> outputs;
  for (const fs::path& f : testsupport::files_below(r.path()))
    if (!inputs.contains(f) && f != "stdout.txt" && f != "stderr.txt") outputs.insert(f);
  EXPECT_EQ(r.text("stdout.txt"), "");
  testsupport::check_reference_outputs(fs::path(TEST_DATA_DIR) / "reference" / "orvtar" / c.name,
                                       r.path(), outputs);
}

INSTANTIATE_TEST_SUITE_P(Orvtar, ReferenceRun, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
