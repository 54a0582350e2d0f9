// What the programs of the chain would refuse later is refused by the front
// end before anything runs, at the settings line, with what was expected:
// empty values, engine settings the engines' readers refuse, years past
// the end of an emissions profile, data files the climate model refuses, a
// data root that is no tree, a faulty mask named as the user wrote it. A
// byte-order mark before the first line is no fault.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::read_lines;
using testsupport::ScratchDir;
using testsupport::write_lines;
using testsupport::write_text;

// The message of validating `text` as the file `ini`; "" when it passes.
std::string error_of(const std::string& text, const std::string& ini = "my.ini") {
  try {
    fe::validate_settings(fe::parse_settings(text, ini), PROJECT_DATA_DIR);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

// The bundled RCP2.6 profile cut after the record of `last_year`.
void write_profile_ending(const fs::path& file, int last_year) {
  std::vector<std::string> lines = read_lines(std::string(PROJECT_DATA_DIR) + "/GAS-RCP26.EMK");
  std::vector<std::string> out(lines.begin(), lines.begin() + 5);
  for (std::size_t k = 5; k < lines.size() && std::stoi(lines[k].substr(0, 6)) <= last_year; ++k)
    out.push_back(lines[k]);
  out[0] = std::to_string(out.size() - 5);
  write_lines(file, out);
}

TEST(Prechecks, EmptyValuesAreRefusedAsSuch) {
  const std::string expected =
      " has no value; expected one, or the line left out (or commented out with #) for the default";
  EXPECT_EQ(error_of("[scenarios]\npolicy =\n"), "my.ini, line 2: [scenarios] policy" + expected);
  EXPECT_EQ(error_of("[scenarios]\nreference =   # later\n"), "my.ini, line 2: [scenarios] reference" + expected);
  EXPECT_EQ(error_of("[orvuser]\nIYEND = 2100\nLEVCO2 =\n"), "my.ini, line 3: [orvuser] LEVCO2" + expected);
  EXPECT_EQ(error_of("[engines]\nyear =\n"), "my.ini, line 2: [engines] year" + expected);
  EXPECT_EQ(error_of("[engines]\narea =\n"), "my.ini, line 2: [engines] area" + expected);
  EXPECT_EQ(error_of("[ensemble]\nmembers =\n"), "my.ini, line 2: [ensemble] members" + expected);
  // Empty says "none given" where the settings written by init say so.
  EXPECT_EQ(error_of("[engines]\ndata_root =\n[inputs]\nco2_file =\nextra_forcing_file =\n"), "");
}

TEST(Prechecks, EngineSettingsAreCheckedByTheEnginesOwnReaders) {
  const std::string refused = "the engines would refuse it: EXTRA.CFG, record 2: ";
  for (const char* value : {"-1e30", "1e5", "100", "-99.95"}) {
    SCOPED_TRACE(value);
    const std::string e = error_of("[orvuser]\nIYEND = 2100\n[engines]\nthreshold = " + std::string(value) + "\n");
    EXPECT_EQ(e.rfind("my.ini, line 4: [engines] threshold = \"" + std::string(value) + "\": " + refused, 0), 0u) << e;
    EXPECT_NE(e.find("expected"), std::string::npos) << e;
  }
  // A value too wide for the field the front end writes it in.
  EXPECT_NE(error_of("[engines]\nthreshold = -1e30\n").find("(asterisks: the value is too wide for its field)"),
            std::string::npos);
  EXPECT_EQ(error_of("[engines]\nthreshold = -99.9\n"), "");
  EXPECT_EQ(error_of("[engines]\nthreshold = 99.9\n"), "");
}

TEST(Prechecks, TheEngineYearAndIREFYRMeetTheRunsRealLastYear) {
  const ScratchDir dir("fe_prechecks_profile");
  const fs::path profile = dir.path() / "to2050.EMK";
  write_profile_ending(profile, 2050);
  const std::string policy = "[scenarios]\npolicy = " + profile.string() + "\n";
  EXPECT_EQ(error_of(policy + "[engines]\nyear = 2100\n"),
            "my.ini, line 4: [engines] year 2100: expected a year no later than the run's last year, 2050: the "
            "policy profile to2050.EMK ends then, before IYEND = 2100");
  EXPECT_EQ(error_of("[engines]\nyear = 2051\n" + policy),
            "my.ini, line 2: [engines] year 2051: expected a year no later than the run's last year, 2050: the "
            "policy profile to2050.EMK ends then, before IYEND = 2100");
  // The default year 2100 has no line.
  EXPECT_EQ(error_of(policy).rfind("my.ini: [engines] year 2100: expected a year no later than", 0), 0u);
  EXPECT_EQ(error_of(policy + "[engines]\nyear = 2040\n[orvuser]\nIREFYR = 2060\n"),
            "my.ini, line 6: [orvuser] IREFYR 2060: expected a year no later than the run's last year, 2050: the "
            "policy profile to2050.EMK ends then, before IYEND = 2100");
  EXPECT_EQ(error_of(policy + "[engines]\nyear = 2050\n"), "");
  // A run that ends at IYEND before the profile does is checked against IYEND.
  EXPECT_EQ(error_of(policy + "[engines]\nyear = 2040\n[orvuser]\nIYEND = 2045\n"), "");
}

// Settings that once passed and made the climate model's results NaN are
// refused through the model's own item table, at their line.
TEST(Prechecks, SettingsThatWouldMakeTheModelNonFiniteAreRefused) {
  for (const char* setting :
       {"[orvgas]\nCCFB4 = -1\n", "[orvmod]\nTOFAC = -1\n", "[orvmod]\nHM = 1e-45\n", "[orvgas]\nCH4C90 = -1\n",
        "[orvuser]\nDT2XUSER = 1e-45\n", "[orvmod]\nXKLO = -1.0\n"}) {
    SCOPED_TRACE(setting);
    const std::string text = setting;
    const std::string key = text.substr(text.find('\n') + 1, text.find(" =") - text.find('\n') - 1);
    const std::string e = error_of(text);
    EXPECT_EQ(e.rfind("my.ini, line 2: " + text.substr(0, text.find('\n')) + " " + key + " = \"", 0), 0u) << e;
    EXPECT_NE(e.find("\": expected a number from "), std::string::npos) << e;
  }
}

TEST(Prechecks, DataFilesTheClimateModelRefusesAreRefusedFirst) {
  const ScratchDir dir("fe_prechecks_files");
  // A profile with a letter in a number: named with its record, as orvtar names it.
  std::vector<std::string> lines = read_lines(std::string(PROJECT_DATA_DIR) + "/GAS-RCP26.EMK");
  lines[7].replace(12, 4, "x.xx");
  const fs::path profile = dir.path() / "typo.EMK";
  write_lines(profile, lines);
  const std::string e = error_of("[scenarios]\nreference = " + profile.string() + "\n");
  EXPECT_EQ(e.rfind(profile.string() + ", record 8: ", 0), 0u) << e;
  // Halocarbon forcing that is not a QHALOS.IN layout.
  write_text(dir.path() / "halos.IN", "not a forcing file\n");
  EXPECT_EQ(error_of("[scenarios]\npolicy_halocarbons = " + (dir.path() / "halos.IN").string() + "\n")
                .rfind((dir.path() / "halos.IN").string() + ", record ", 0),
            0u);
}

TEST(Prechecks, TheDataRootIsATreeBeforeAnythingRuns) {
  const ScratchDir dir("fe_prechecks_root");
  EXPECT_EQ(error_of("[engines]\ndata_root = /nonexistent\n"),
            "my.ini, line 2: [engines] data_root = \"/nonexistent\": expected the folder of a model data tree: "
            "/nonexistent is not a folder");
  EXPECT_EQ(error_of("[engines]\n\ndata_root = " + dir.path().string() + "\n"),
            "my.ini, line 3: [engines] data_root = \"" + dir.path().string() +
                "\": expected the folder of a model data tree: " + dir.path().string() +
                " has no TRELLIS5 folder, which every tree made by tesseragen or tesseraimport has");
  ::setenv("TESSERA_DATA_ROOT", "/nonexistent", 1);
  const std::string from_environment = error_of("");
  ::unsetenv("TESSERA_DATA_ROOT");
  EXPECT_EQ(from_environment,
            "$TESSERA_DATA_ROOT: expected the folder of a model data tree: /nonexistent is not a folder; unset it "
            "to use a synthetic tree");
  fs::create_directories(dir.path() / "TRELLIS5");
  EXPECT_EQ(error_of("[engines]\ndata_root = " + dir.path().string() + "\n"), "");
}

TEST(Prechecks, AMaskIsNamedAsTheUserWroteIt) {
  const ScratchDir dir("fe_prechecks_mask");
  const std::string ini = (dir.path() / "my.ini").string();
  write_text(dir.path() / "short.mask", "ALPS\n" + std::string(72, '0') + "\n");
  EXPECT_EQ(error_of("[engines]\narea = mask short.mask\n", ini),
            ini + ", line 2: [engines] area = mask short.mask: " + (dir.path() / "short.mask").string() +
                ", record 3: end of file reached; a record was expected under format (72I1)");
  EXPECT_EQ(error_of("[engines]\narea = mask missing.mask\n", ini).rfind(ini + ", line 2: [engines] area = ", 0), 0u);
  std::string rows;
  for (int k = 0; k < 36; ++k) rows += std::string(72, k == 10 ? '1' : '0') + "\n";
  write_text(dir.path() / "good.mask", "BAND\n" + rows);
  EXPECT_EQ(error_of("[engines]\narea = mask good.mask\n", ini), "");
}

TEST(Prechecks, AByteOrderMarkBeforeTheFirstLineIsIgnored) {
  const fe::SettingsFile f =
      fe::parse_settings("\xEF\xBB\xBF[orvuser]\nIYEND = 2050\n[engines]\nyear = 2050\n", "bom.ini");
  ASSERT_EQ(f.entries.size(), 2u);
  EXPECT_EQ(f.entries[0].section, "orvuser");
  EXPECT_EQ(f.entries[0].line, 2);
  EXPECT_EQ(fe::validate_settings(f, PROJECT_DATA_DIR).IYEND, 2050);
  // Only at the very start: elsewhere the bytes are no key.
  EXPECT_NE(error_of("[orvuser]\n\xEF\xBB\xBFIYEND = 2050\n").find("line 2"), std::string::npos);
}

}  // namespace
