// Every input tesseraimport cannot use is refused with a message naming the
// file, the variable or attribute and what was expected; the program exits
// with status 2 and leaves no tree, no partial folder, and an earlier tree
// as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cmip_files.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "importer/import_manifest.h"
#include "importer/import_run.h"
#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace cmiptest;

// One model on a 10-degree grid, baseline 2002-2004 and future 2006-2008,
// so the files must cover 2001-12 to 2008-12: historical 2001-2004 and
// scenario 2005-2009, both variables. `change` edits a file's spec before
// it is written (by variable and experiment).
class Refusal : public ::testing::Test {
 protected:
  Refusal() : dir_("importer_refusal") {}

  using Change = std::function<void(FileSpec&, Grid&)>;

  void write_model(const Change& change = {}) {
    for (const char* exp : {"historical", "ssp245"})
      for (const char* var : {"tas", "pr"}) {
        const bool hist = std::string(exp) == "historical";
        const fs::path folder = dir_.path() / exp;
        fs::create_directories(folder);
        FileSpec s;
        s.variable = var;
        s.experiment = exp;
        s.first_year = hist ? 2001 : 2005;
        s.months = hist ? 48 : 60;
        s.units = std::string(var) == "tas" ? "K" : "kg m-2 s-1";
        s.value = std::string(var) == "tas" ? std::function<double(int, int, double, double)>(tas_kelvin)
                                             : [](int y, int m, double la, double lo) {
                                                 return pr_mm_day(y, m, la, lo) / 86400.0;
                                               };
        Grid g = regular(10.0, 10.0, true, 5.0);
        if (change) change(s, g);
        const int last = s.first_year * 12 + s.first_month - 1 + s.months - 1;
        s.path = (folder / cmip_name(var, "M", exp, s.first_year, s.first_month, last / 12, last % 12 + 1)).string();
        if (std::string(var) != s.variable) s.path = (folder / (std::string(var) + "_other.nc")).string();
        write_file(s, g);
      }
  }

  std::string manifest(const std::string& extra = "", const std::string& tree = "tree") {
    const std::string path = (dir_.path() / "import.ini").string();
    testsupport::write_text(path, "[import]\ntree = " + tree + "\nbaseline = 2002-2004\nfuture = 2006-2008\n"
                                  "[gc01]\nname = M\nhistorical = historical\nscenario = ssp245\n" +
                                      extra);
    return path;
  }

  // The message of the import's refusal ("" when it ran through).
  std::string refusal(const std::string& extra = "") {
    try {
      imp::run_import(imp::read_manifest(manifest(extra)), nullptr);
    } catch (const rec::Error& e) {
      return e.what();
    }
    return "";
  }

  std::string path(const std::string& exp, const std::string& var) const {
    for (const auto& e : fs::directory_iterator(dir_.path() / exp))
      if (e.path().filename().string().starts_with(var + "_")) return e.path().string();
    return "";
  }

  testsupport::ScratchDir dir_;
};

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

// A tree imported without aerosol patterns: the front end refuses
// aerosols = on (its default) before anything runs, and takes off.
TEST_F(Refusal, TheUnchangedModelImportsAndItsTreeHasNoAerosolPatterns) {
  write_model();
  EXPECT_EQ(refusal(), "");
  const std::string tree = (dir_.path() / "tree").string();
  EXPECT_TRUE(fs::is_regular_file(tree + "/TREE.INI"));
  EXPECT_FALSE(fs::exists(tree + "/TRELLIS5/SO4/UISO.9TQ"));
  const std::string settings = "[engines]\ndata_root = " + tree + "\n";
  try {
    fe::validate_settings(fe::parse_settings(settings, "s.ini"), PROJECT_DATA_DIR);
    ADD_FAILURE() << "aerosols = on accepted";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()), "s.ini: [engines] aerosols = on (the default): the model data tree " + tree +
                                         " has no aerosol response patterns (TREE.INI: aerosol = absent); set "
                                         "aerosols = off, or import patterns into the tree with tesseraimport");
  }
  EXPECT_EQ(fe::validate_settings(fe::parse_settings(settings + "aerosols = off\n", "s.ini"), PROJECT_DATA_DIR)
                .engines.IMOD,
            std::vector<int>{1});
  // The program says so with exit status 2.
  testsupport::write_text(dir_.path() / "s.ini", settings);
  EXPECT_EQ(testsupport::exit_status("'" BIN_DIR "/scenario' run '" + (dir_.path() / "s.ini").string() + "' --out '" +
                                     (dir_.path() / "run").string() + "' > /dev/null 2>&1"),
            2);
  EXPECT_FALSE(fs::exists(dir_.path() / "run" / "orvtar-reference"));
}

TEST_F(Refusal, DailyData) {
  write_model([](FileSpec& s, Grid&) {
    if (s.variable == "tas" && s.experiment == "ssp245") s.repeat_month = 3;
  });
  const std::string m = refusal();
  EXPECT_HAS(m, path("ssp245", "tas") + ", variable time: two time steps in 2005-03");
  EXPECT_HAS(m, "expected one monthly mean per month");
}

TEST_F(Refusal, DailyFrequencyAttribute) {
  write_model([](FileSpec& s, Grid&) { s.frequency = "day"; });
  EXPECT_HAS(refusal(), ", global attribute frequency: \"day\"; expected monthly means (\"mon\")");
}

TEST_F(Refusal, CurvilinearGrid) {
  write_model();
  // A tas on (time, j, i) with 2-D latitude and longitude, as ocean-grid output has.
  const std::string p = path("historical", "tas");
  fs::remove(p);
  {
    nc::File f = nc::File::create(p, nc::Format::Netcdf4);
    f.def_dim("time", 0);
    f.def_dim("j", 3);
    f.def_dim("i", 4);
    nc::Var t = f.def_var("time", nc::Type::Double, {"time"});
    t.put_text("units", "days since 2001-01-01");
    f.def_var("lat", nc::Type::Double, {"j", "i"}).put_text("units", "degrees_north");
    f.def_var("lon", nc::Type::Double, {"j", "i"}).put_text("units", "degrees_east");
    f.def_var("tas", nc::Type::Float, {"time", "j", "i"}).put_text("units", "K");
    f.end_define();
    const double day = 15;
    t.put({0}, {1}, std::span<const double>(&day, 1));
  }
  const std::string m = refusal();
  EXPECT_HAS(m, p + ", variable tas: dimension j has no 1-D coordinate variable; expected 1-D lat and lon coordinates");
  EXPECT_HAS(m, "curvilinear grids are not supported");
}

TEST_F(Refusal, MissingVariable) {
  write_model([](FileSpec& s, Grid&) {
    if (s.variable == "pr" && s.experiment == "historical") s.variable = "prc";
  });
  const std::string m = refusal();
  EXPECT_HAS(m, "pr_other.nc: no variable pr (the file holds time, lat, lon, prc)");
}

TEST_F(Refusal, NoFilesOfAVariable) {
  write_model();
  for (const char* exp : {"historical", "ssp245"}) fs::remove(path(exp, "pr"));
  EXPECT_HAS(refusal(), "import.ini, [GC01] M pr: no files named pr_*.nc; expected monthly pr output");
}

TEST_F(Refusal, MissingTimeRange) {
  write_model([](FileSpec& s, Grid&) {
    if (s.experiment == "ssp245") s.months = 36;  // to 2007-12
  });
  EXPECT_HAS(refusal(), "import.ini, [GC01] M tas: the files cover 2001-01 to 2007-12; expected every month from "
                        "2001-12 to 2008-12");
}

TEST_F(Refusal, MonthsMissingBetweenFiles) {
  write_model([](FileSpec& s, Grid&) {
    if (s.experiment == "ssp245") {
      s.first_month = 6;  // 2005-06 on: 2005-01 to 2005-05 are in no file
      s.months = 55;
    }
  });
  const std::string m = refusal();
  EXPECT_HAS(m, "[GC01] M tas: months 2005-01 to 2005-05 are in no file (between ");
}

TEST_F(Refusal, OverlappingAndDuplicatedMonths) {
  write_model([](FileSpec& s, Grid&) {
    if (s.experiment == "ssp245" && s.variable == "tas") {
      s.first_year = 2004;  // 2004-07 on, while the historical run ends in 2004-12
      s.first_month = 7;
      s.months = 66;
    }
  });
  const std::string m = refusal();
  EXPECT_HAS(m, ": months 2004-07 to 2004-12 are also in " + path("historical", "tas") +
                    "; expected every month in one file only");

  // The same file twice (under another name) duplicates every month.
  fs::remove_all(dir_.path() / "historical");
  fs::remove_all(dir_.path() / "ssp245");
  write_model();
  fs::copy_file(path("historical", "tas"), dir_.path() / "historical" / "tas_copy.nc");
  EXPECT_HAS(refusal(), "are also in");
}

TEST_F(Refusal, GridsDifferBetweenFilesOfAModel) {
  write_model([](FileSpec& s, Grid& g) {
    if (s.experiment == "ssp245") g = regular(5.0, 5.0, true, 2.5);
  });
  const std::string m = refusal();
  EXPECT_HAS(m, ", variable tas: grid 36 x 72 (lat x lon) differs from that of ");
  EXPECT_HAS(m, "(18 x 36 (lat x lon)); expected one grid for every file of a model");
}

// A regional grid gives no global-mean warming.
TEST_F(Refusal, TemperatureGridThatIsNotGlobal) {
  write_model([](FileSpec&, Grid& g) {
    g = regular(10.0, 10.0, true, 5.0);
    g.lat.erase(g.lat.begin(), g.lat.begin() + 3);  // nothing north of 60 N
  });
  EXPECT_HAS(refusal(), ", variable tas: the grid covers 93 % of the globe; expected a global grid");
}

TEST_F(Refusal, CalendarsAndTimeUnits) {
  write_model([](FileSpec& s, Grid&) {
    if (s.experiment == "ssp245" && s.variable == "pr") s.calendar = "360_day";
  });
  EXPECT_HAS(refusal(), ", variable time: calendar 360_day differs from that of ");

  fs::remove_all(dir_.path() / "historical");
  fs::remove_all(dir_.path() / "ssp245");
  write_model([](FileSpec& s, Grid&) { s.calendar = "lunar"; });
  EXPECT_HAS(refusal(), ", attribute time:calendar: \"lunar\"; expected a CF calendar");
}

TEST_F(Refusal, UnitsThatAreNotOfTheVariable) {
  write_model([](FileSpec& s, Grid&) {
    if (s.variable == "tas") s.units = "W m-2";
  });
  EXPECT_HAS(refusal(), ", attribute tas:units: units \"W m-2\" are not a temperature; expected K or degC");
  fs::remove_all(dir_.path() / "historical");
  fs::remove_all(dir_.path() / "ssp245");
  write_model([](FileSpec& s, Grid&) {
    if (s.variable == "pr") s.units = "K";
  });
  EXPECT_HAS(refusal(), ", attribute pr:units: units \"K\" are neither a water mass flux nor a rate of depth; "
                        "expected kg m-2 s-1 or mm/day");
}

TEST_F(Refusal, NoWarmingToNormaliseBy) {
  write_model([](FileSpec& s, Grid&) {
    if (s.variable == "tas") s.value = [](int, int, double, double) { return 288.0; };
  });
  EXPECT_HAS(refusal(), "import.ini, [GC01] M: global-mean warming between the epochs is 0.000000 degC; expected at "
                        "least 0.1 degC");
}

TEST_F(Refusal, ManifestMistakes) {
  write_model();
  EXPECT_HAS(refusal("[gc03]\nname = X\n"), "models are given slots in order: [GC03] comes without [GC02]");
  EXPECT_HAS(refusal("[gc02]\nname = X\nhistory = a\n"), "[gc02] history = \"a\": expected one of the keys name, historical, scenario");
  EXPECT_HAS(refusal("[gc02]\nname = X\nhistorical = nowhere\n"), "(" + (dir_.path() / "nowhere").string() + " not found)");
  EXPECT_HAS(refusal("[aerosol]\neurope = historical\n"), "[aerosol] europe = \"historical\": expected one netCDF file");
  const std::string p = (dir_.path() / "bad.ini").string();
  testsupport::write_text(p, "[import]\ntree = t\nbaseline = 1990\n");
  try {
    imp::read_manifest(p);
    ADD_FAILURE() << "no refusal";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()), p + ", line 3: [import] baseline = \"1990\": expected an epoch \"FIRST-LAST\" of "
                                         "whole years, at least three years long (e.g. 1961-1990)");
  }
}

// The program: exit status 2, one line naming the problem, no partial
// folder, and a tree imported earlier left as it was.
TEST_F(Refusal, ProgramLeavesNothingHalfWritten) {
  write_model();
  const std::string ini = manifest();
  const std::string run = "'" TESSERAIMPORT_EXE "' run '" + ini + "' > " + (dir_.path() / "out.txt").string() +
                          " 2> " + (dir_.path() / "err.txt").string();
  ASSERT_EQ(testsupport::exit_status(run), 0) << testsupport::read_text(dir_.path() / "err.txt");
  const std::string before = testsupport::read_text(dir_.path() / "tree" / "TREE.INI");

  // Now the scenario's pr is cut short: refused after tas was checked.
  fs::remove(path("ssp245", "pr"));
  FileSpec s;
  s.variable = "pr";
  s.units = "kg m-2 s-1";
  s.first_year = 2005;
  s.months = 30;
  s.value = [](int y, int m, double la, double lo) { return pr_mm_day(y, m, la, lo) / 86400.0; };
  s.path = (dir_.path() / "ssp245" / "pr_short.nc").string();
  write_file(s, regular(10.0, 10.0, true, 5.0));
  EXPECT_EQ(testsupport::exit_status(run), 2);
  EXPECT_EQ(testsupport::read_text(dir_.path() / "err.txt"),
            "tesseraimport: " + ini + ", [GC01] M pr: the files cover 2001-01 to 2007-06; expected every month "
            "from 2001-12 to 2008-12\n");
  EXPECT_EQ(testsupport::read_text(dir_.path() / "tree" / "TREE.INI"), before);
  for (const auto& e : fs::directory_iterator(dir_.path()))
    EXPECT_FALSE(e.path().filename().string().starts_with("tree.")) << e.path();

  // A folder that is not a tree is never replaced.
  fs::create_directories(dir_.path() / "other");
  testsupport::write_text(dir_.path() / "other" / "notes.txt", "mine\n");
  manifest("", "other");
  EXPECT_EQ(testsupport::exit_status(run), 2);
  EXPECT_HAS(testsupport::read_text(dir_.path() / "err.txt"), "other: exists and holds no TREE.INI");
  EXPECT_TRUE(fs::exists(dir_.path() / "other" / "notes.txt"));

  // init writes the commented template once and never over a file.
  const std::string tmpl = (dir_.path() / "new.ini").string();
  EXPECT_EQ(testsupport::exit_status("'" TESSERAIMPORT_EXE "' init '" + tmpl + "' > /dev/null"), 0);
  EXPECT_EQ(testsupport::read_text(tmpl), imp::manifest_template());
  EXPECT_EQ(testsupport::exit_status("'" TESSERAIMPORT_EXE "' init '" + tmpl + "' 2> /dev/null"), 2);

  // --help and a wrong command line.
  EXPECT_EQ(testsupport::exit_status("'" TESSERAIMPORT_EXE "' --help > /dev/null"), 0);
  EXPECT_EQ(testsupport::exit_status("'" TESSERAIMPORT_EXE "' import x 2> /dev/null"), 2);
}

}  // namespace
