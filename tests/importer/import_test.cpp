// A whole import of three models whose output follows the analytic climate
// of cmip_files.h, each in another form (a 48 x 96 Gaussian grid in noleap
// days, netCDF-4 floats, the historical run split in two; a 2.5-degree grid
// south to north in a 360_day calendar, classic format, degC and mm/day; a
// 10-degree grid north to south with longitudes -180..180, hours in the
// standard calendar, packed tas and double pr with fill values), plus
// observed climatologies and aerosol patterns. The tree is read back through
// the engines' own readers and checked against the known answers, then
// crossmod and varistat run on it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cmip_files.h"
#include "engines/common/catalogue.h"
#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/file_names.h"
#include "frontend/data_tree.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "importer/import_manifest.h"
#include "importer/import_run.h"
#include "support/engine_inputs.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace cmiptest;

constexpr int TEMP = 1, PRECIP = 2, JAN = 1, DJF = 13, ANN = 17;

// The known answers at a 5-degree box (row r, column c from 0).
struct Box {
  int r, c;
  double north() const { return 90.0 - 5.0 * r; }
  double south() const { return north() - 5.0; }
  double west() const { return -180.0 + 5.0 * c; }
  double east() const { return west() + 5.0; }
  int k() const { return r * 72 + c; }
  // Box means over the sphere of sin(lat) and cos(lon).
  double mean_sin() const { return (std::sin(north() * DEG) + std::sin(south() * DEG)) / 2; }
  double mean_cos() const { return (std::sin(east() * DEG) - std::sin(west() * DEG)) / (5.0 * DEG); }
  // The same on the 10-degree grid: the value at the containing cell's centre.
  double cell_sin() const { return std::sin((10.0 * std::floor(south() / 10.0) + 5.0) * DEG); }
  double cell_cos() const { return std::cos((-175.0 + 10.0 * std::floor((west() + 180.0) / 10.0)) * DEG); }
};

// sqrt(n / (n - 2)) for the 12 baseline years: the detrended S.D. of
// amplitude-1 noise that has no trend of its own.
const double SD_FACTOR = std::sqrt(12.0 / 10.0);

struct Model {
  const char* name;
  Grid grid;
  bool coarse;  // the 10-degree grid: box values are cell-centre values
  double tolerance, seasonal_tolerance;
};

class ImportedTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::ScratchDir("importer_tree");
    const fs::path in = dir_->path() / "cmip";
    models_ = {{"GAUSS-A", gaussian(48), false, 0.01, 0.06},
               {"REGULAR-B", regular(2.5, 2.5, false, 0.0), false, 0.006, 0.01},
               {"COARSE-C", regular(10.0, 10.0, true, -175.0), true, 0.012, 0.012}};
    auto tas_k = [](int y, int m, double la, double lo) { return tas_kelvin(y, m, la, lo); };
    auto tas_c = [](int y, int m, double la, double lo) { return tas_kelvin(y, m, la, lo) - 273.15; };
    auto pr_flux = [](int y, int m, double la, double lo) { return pr_mm_day(y, m, la, lo) / 86400.0; };
    auto pr_day = [](int y, int m, double la, double lo) { return pr_mm_day(y, m, la, lo); };
    auto pr_patchy = [](int y, int m, double la, double lo) {
      return la > 20 && la < 40 && lo > 20 && lo < 40 ? std::nan("") : pr_mm_day(y, m, la, lo);
    };
    auto file = [&](const std::string& model, const std::string& exp, const std::string& var, int y0, int m0,
                    int y1, int m1) {
      fs::create_directories(in / model / exp);
      FileSpec s;
      s.path = (in / model / exp / cmip_name(var, model, exp, y0, m0, y1, m1)).string();
      s.variable = var;
      s.experiment = exp;
      s.first_year = y0;
      s.first_month = m0;
      s.months = (y1 - y0) * 12 + m1 - m0 + 1;
      return s;
    };
    // Model A: Gaussian, noleap, netCDF-4 floats, historical in two files.
    for (auto [y0, y1] : {std::pair{2001, 2007}, {2008, 2014}}) {
      FileSpec s = file("GAUSS-A", "historical", "tas", y0, 1, y1, 12);
      s.value = tas_k;
      write_file(s, models_[0].grid);
      s = file("GAUSS-A", "historical", "pr", y0, 1, y1, 12);
      s.units = "kg m-2 s-1";
      s.value = pr_flux;
      write_file(s, models_[0].grid);
    }
    {
      FileSpec s = file("GAUSS-A", "ssp245", "tas", 2015, 1, 2035, 12);
      s.value = tas_k;
      write_file(s, models_[0].grid);
      s = file("GAUSS-A", "ssp245", "pr", 2015, 1, 2035, 12);
      s.units = "kg m-2 s-1";
      s.value = pr_flux;
      write_file(s, models_[0].grid);
    }
    // Model B: 2.5 degrees south to north, 360_day, classic, degC and mm/day.
    for (const char* exp : {"historical", "ssp245"}) {
      const bool hist = std::string(exp) == "historical";
      for (const char* var : {"tas", "pr"}) {
        FileSpec s = hist ? file("REGULAR-B", exp, var, 2001, 12, 2014, 12) : file("REGULAR-B", exp, var, 2015, 1, 2033, 12);
        s.calendar = "360_day";
        s.format = nc::Format::Classic;
        s.units = std::string(var) == "tas" ? "degC" : "mm/day";
        if (std::string(var) == "tas") s.value = tas_c;
        else s.value = pr_day;
        write_file(s, models_[1].grid);
      }
    }
    // Model C: 10 degrees north to south from -180, standard calendar in
    // hours, packed tas, double pr with a patch of fill values.
    for (const char* exp : {"historical", "ssp245"}) {
      const bool hist = std::string(exp) == "historical";
      FileSpec s = hist ? file("COARSE-C", exp, "tas", 1995, 1, 2014, 12) : file("COARSE-C", exp, "tas", 2015, 1, 2040, 12);
      s.calendar = "standard";
      s.hours = true;
      s.type = nc::Type::Short;
      s.scale_factor = 0.01;
      s.add_offset = 280.0;
      s.fill = -32767;
      s.value = tas_k;
      write_file(s, models_[2].grid);
      s = hist ? file("COARSE-C", exp, "pr", 1995, 1, 2014, 12) : file("COARSE-C", exp, "pr", 2015, 1, 2040, 12);
      s.calendar = "standard";
      s.hours = true;
      s.type = nc::Type::Double;
      s.units = "mm d-1";
      s.fill = 1.0e20;
      s.value = pr_patchy;
      write_file(s, models_[2].grid);
    }
    // Observations: NEW tas a 12-month climatology, OLD tas a monthly
    // series over the baseline, OLD pr a climatology; no NEW pr.
    fs::create_directories(in / "obs");
    const Grid obs_grid = regular(5.0, 5.0, false, -177.5);
    FileSpec o;
    o.calendar = "gregorian";
    o.path = (in / "obs" / "tas_new_clim.nc").string();
    o.first_year = 1975;
    o.value = [](int, int m, double la, double) {
      return 287.15 + 10.0 * std::sin(la * DEG) * std::cos(2.0 * std::numbers::pi * (m - 0.5) / 12.0);
    };
    write_file(o, obs_grid);
    o.path = (in / "obs" / "tas_old_series.nc").string();
    o.first_year = BASE_FIRST - 1;
    o.months = 12 * (BASE_LAST - BASE_FIRST + 2);
    o.value = [](int, int, double, double) { return 286.15; };
    write_file(o, obs_grid);
    o.path = (in / "obs" / "pr_old_clim.nc").string();
    o.variable = "pr";
    o.units = "mm/day";
    o.months = 12;
    o.value = [](int, int, double, double) { return 2.0; };
    write_file(o, obs_grid);
    // Aerosol patterns: constant fields per region.
    const double aer[3][2] = {{0.5, 1.5}, {-0.2, -1.0}, {1.0, 0.25}};
    const char* region[3] = {"europe", "asia", "rest_of_world"};
    for (int r = 0; r < 3; ++r) {
      nc::File f = nc::File::create((in / "obs" / (std::string(region[r]) + ".nc")).string(), nc::Format::Netcdf4);
      f.def_dim("season", 17);
      f.def_dim("lat", obs_grid.lat.size());
      f.def_dim("lon", obs_grid.lon.size());
      nc::Var lat = f.def_var("lat", nc::Type::Double, {"lat"});
      lat.put_text("units", "degrees_north");
      nc::Var lon = f.def_var("lon", nc::Type::Double, {"lon"});
      lon.put_text("units", "degrees_east");
      nc::Var t = f.def_var("tas", nc::Type::Float, {"season", "lat", "lon"});
      nc::Var p = f.def_var("pr", nc::Type::Float, {"season", "lat", "lon"});
      lat.put(std::span<const double>(obs_grid.lat));
      lon.put(std::span<const double>(obs_grid.lon));
      t.put(std::vector<double>(t.size(), aer[r][0]));
      p.put(std::vector<double>(p.size(), aer[r][1]));
      f.close();
    }

    manifest_ = (dir_->path() / "import.ini").string();
    testsupport::write_text(manifest_,
                            "[import]\ntree = tree\nbaseline = 2002-2013\nfuture = 2022-2033\n"
                            "[gc01]\nname = GAUSS-A\nhistorical = cmip/GAUSS-A/historical\nscenario = cmip/GAUSS-A/ssp245\n"
                            "[gc02]\nname = REGULAR-B\nhistorical = cmip/REGULAR-B/historical\n"
                            "scenario = cmip/REGULAR-B/ssp245\n"
                            "[gc03]\nname = COARSE-C\nhistorical = cmip/COARSE-C/historical\n"
                            "scenario = cmip/COARSE-C/ssp245\n"
                            "[observed]\nnew_tas = cmip/obs/tas_new_clim.nc\nold_tas = cmip/obs/tas_old_series.nc\n"
                            "old_pr = cmip/obs/pr_old_clim.nc\n"
                            "[aerosol]\neurope = cmip/obs/europe.nc\nasia = cmip/obs/asia.nc\n"
                            "rest_of_world = cmip/obs/rest_of_world.nc\n");
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    summary_ = imp::run_import(imp::read_manifest(manifest_), nullptr);
    unsetenv("SOURCE_DATE_EPOCH");
    tree_ = dir_->path() / "tree";
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  // A field of the tree through the engines' reader.
  static eng::Field field(const std::string& name, eng::Decode rule) {
    setenv("TESSERA_DATA_ROOT", tree_.c_str(), 1);
    eng::Field f;
    eng::read_field(name, rule, f);
    unsetenv("TESSERA_DATA_ROOT");
    return f;
  }
  static eng::Field model(int m, char digit, int ivar, int season) {
    return field(eng::model_file_name(m, digit, ivar, season), digit == '4' ? eng::Decode::BaselineSD : eng::Decode::Change);
  }
  static double at(const eng::Field& f, const Box& b) { return f.v[b.k()]; }

  static testsupport::ScratchDir* dir_;
  static std::vector<Model> models_;
  static std::string manifest_;
  static imp::ImportSummary summary_;
  static fs::path tree_;
};

testsupport::ScratchDir* ImportedTree::dir_ = nullptr;
std::vector<Model> ImportedTree::models_;
std::string ImportedTree::manifest_;
imp::ImportSummary ImportedTree::summary_;
fs::path ImportedTree::tree_;

// Boxes spread over the globe (rows and columns from 0), avoiding the fill
// patch of model C's precipitation (20-40 N, 20-40 E).
const std::vector<Box> SAMPLE = {{1, 3}, {5, 40}, {10, 70}, {17, 0}, {18, 36}, {22, 55}, {30, 12}, {34, 60}, {12, 30}};

TEST_F(ImportedTree, EveryFileOfTheLayoutIsThere) {
  EXPECT_EQ(summary_.models, 3);
  // 3 models x 2 variables x 17 seasons x 6 families, 4 observed sets x 17,
  // 2 x 17 aerosol files and TREE.INI.
  EXPECT_EQ(summary_.files, 3 * 2 * 17 * 6 + 4 * 17 + 2 * 17 + 1);
  for (int m = 1; m <= 3; ++m)
    for (char d = '1'; d <= '6'; ++d)
      for (int s = 1; s <= 17; ++s)
        for (int v : {TEMP, PRECIP})
          ASSERT_TRUE(fs::is_regular_file(eng::tree_path(tree_.string(), eng::model_file_name(m, d, v, s))));
  EXPECT_FALSE(fs::exists(eng::tree_path(tree_.string(), eng::model_file_name(4, '1', TEMP, ANN))));
  // Nothing is left beside the tree.
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir_->path())) entries += e.path().filename().string().starts_with("tree");
  EXPECT_EQ(entries, 1);
}

// Family 1 and 2 of temperature recover the pattern, family 3 the baseline
// climate (here 15 degC plus the seasonal cycle), family 4 the S.D. of the
// interannual noise, families 5 and 6 its growth of 10 % per degC.
TEST_F(ImportedTree, TemperatureFamiliesRecoverTheAnalyticClimate) {
  for (int m = 1; m <= 3; ++m) {
    const Model& md = models_[m - 1];
    // Hundredths in the files; packing to 0.01 K on the 10-degree grid. The
    // Gaussian grid's cells (3.75 degrees) straddle box edges, and a cut
    // cell brings its centre value, not the mean of the part inside the box
    // (first-order remapping): up to 0.005 in a box mean of sin(lat), so
    // 0.05 K of the 10 K seasonal cycle. The 2.5-degree cells tile the boxes.
    const double tol = md.tolerance, seasonal_tol = md.seasonal_tolerance;
    const eng::Field f1 = model(m, '1', TEMP, ANN), f2 = model(m, '2', TEMP, ANN), f3 = model(m, '3', TEMP, ANN);
    const eng::Field f3jan = model(m, '3', TEMP, JAN), f3djf = model(m, '3', TEMP, DJF);
    const eng::Field f4 = model(m, '4', TEMP, ANN), f5 = model(m, '5', TEMP, ANN), f6 = model(m, '6', TEMP, ANN);
    for (const Box& b : SAMPLE) {
      SCOPED_TRACE(std::string(md.name) + " row " + std::to_string(b.r + 1) + " column " + std::to_string(b.c + 1));
      const double s = md.coarse ? b.cell_sin() : b.mean_sin(), c = md.coarse ? b.cell_cos() : b.mean_cos();
      const double P = 1.0 + 0.5 * s + 0.3 * c;
      EXPECT_NEAR(at(f1, b), P, tol);
      EXPECT_NEAR(at(f2, b), P, tol);
      EXPECT_NEAR(at(f3, b), 15.0, tol);
      EXPECT_NEAR(at(f3jan, b), 15.0 + 10.0 * s * std::cos(std::numbers::pi / 12), seasonal_tol);
      const double djf = (std::cos(2 * std::numbers::pi * 11.5 / 12) + std::cos(2 * std::numbers::pi * 0.5 / 12) +
                          std::cos(2 * std::numbers::pi * 1.5 / 12)) / 3;
      // DJF's December belongs to the year before: 0.05 degC less warming a third of the time.
      EXPECT_NEAR(at(f3djf, b), 15.0 + 10.0 * s * djf - 0.05 / 3 * P, seasonal_tol);
      // The noise's amplitude varies by +-3 % within an epoch; hundredths in the file.
      const double sd = SD_FACTOR * NOISE * std::abs(c);
      EXPECT_NEAR(at(f4, b), sd, 0.01 * sd + 0.006);
      if (std::abs(c) > 0.3) {
        EXPECT_NEAR(at(f5, b), 100.0 * GROWTH, 0.4);
        EXPECT_NEAR(at(f6, b), 100.0 * GROWTH, 0.4);
      }
    }
  }
}

// Precipitation: 4 % per degC times (1 + 0.5 sin(lat)) of a 3 mm/day
// baseline; north of 60 N the baseline is 0.005 mm/day, too dry for a
// percentage, so the changes are missing there; model C's fill values
// leave its 20-40 N, 20-40 E boxes missing in every family. (This
// precipitation has no interannual noise, so its S.D. changes are missing.)
TEST_F(ImportedTree, PrecipitationFamiliesInPercentPerDegree) {
  for (int m = 1; m <= 3; ++m) {
    const Model& md = models_[m - 1];
    const eng::Field f1 = model(m, '1', PRECIP, ANN), f2 = model(m, '2', PRECIP, ANN), f3 = model(m, '3', PRECIP, ANN);
    for (const Box& b : SAMPLE) {
      SCOPED_TRACE(std::string(md.name) + " row " + std::to_string(b.r + 1) + " column " + std::to_string(b.c + 1));
      const double s = md.coarse ? b.cell_sin() : b.mean_sin();
      if (b.south() >= 60.0) {
        EXPECT_FALSE(eng::valid(at(f1, b)));
        EXPECT_FALSE(eng::valid(at(f2, b)));
        EXPECT_NEAR(at(f3, b), BASE_PR_DRY, 0.0051);  // 0.005 mm/day in hundredths
        continue;
      }
      EXPECT_NEAR(at(f1, b), 100.0 * PR_CHANGE * (1.0 + 0.5 * s), 2 * md.tolerance);
      EXPECT_NEAR(at(f2, b), 100.0 * PR_CHANGE * (1.0 + 0.5 * s), 2 * md.tolerance);
      EXPECT_NEAR(at(f3, b), BASE_PR, 0.005);
    }
    const Box patch{10, 41};  // 35-40 N, 25-30 E
    for (char d = '1'; d <= '4'; ++d)
      EXPECT_EQ(eng::valid(at(model(m, d, PRECIP, ANN), patch)), !md.coarse) << md.name << " family " << d;
  }
}

// Observed baselines by their sets' encodings; an absent source is written
// all missing; aerosol patterns are the regions' constants.
TEST_F(ImportedTree, ObservedBaselinesAndAerosolPatterns) {
  eng::EngineConfig c;
  c.IVAR = TEMP;
  c.ISEAS = ANN;
  c.OBSSET = "NEW";
  const eng::Field new_tas = field(eng::observed_file_name(c), eng::Decode::ObsTempNew);
  c.ISEAS = JAN;
  const eng::Field new_tas_jan = field(eng::observed_file_name(c), eng::Decode::ObsTempNew);
  c.OBSSET = "OLD";
  c.ISEAS = DJF;
  const eng::Field old_tas = field(eng::observed_file_name(c), eng::Decode::ObsTempOld);
  c.IVAR = PRECIP;
  c.ISEAS = ANN;
  const eng::Field old_pr = field(eng::observed_file_name(c), eng::Decode::ObsPrecip);
  c.OBSSET = "NEW";
  const eng::Field new_pr = field(eng::observed_file_name(c), eng::Decode::ObsPrecip);
  for (const Box& b : SAMPLE) {
    EXPECT_NEAR(at(new_tas, b), 14.0, 0.005);
    // On the observations' own 5-degree grid a box is the cell's centre value.
    const double centre_sin = std::sin((b.north() - 2.5) * DEG);
    EXPECT_NEAR(at(new_tas_jan, b), 14.0 + 10.0 * centre_sin * std::cos(std::numbers::pi / 12), 0.006);
    EXPECT_NEAR(at(old_tas, b), 13.0, 0.05);  // tenths
    EXPECT_NEAR(at(old_pr, b), 2.0, 0.005);
    EXPECT_FALSE(eng::valid(at(new_pr, b)));
  }
  c.IVAR = PRECIP;
  c.ISEAS = JAN;
  setenv("TESSERA_DATA_ROOT", tree_.c_str(), 1);
  eng::Field eu, as, row;
  eng::read_aerosol_patterns(eng::aerosol_file_name(c), eu, as, row);
  unsetenv("TESSERA_DATA_ROOT");
  EXPECT_DOUBLE_EQ(eu.v[100], 1.5);
  EXPECT_DOUBLE_EQ(as.v[2000], -1.0);
  EXPECT_DOUBLE_EQ(row.v[2591], 0.25);
}

// TREE.INI names the models behind the slots, their experiments, calendars
// and warming (exactly 1 degC by construction), the sources and the date of
// SOURCE_DATE_EPOCH.
TEST_F(ImportedTree, TreeManifestRecordsWhatTheTreeHolds) {
  const std::string ini = testsupport::read_text(tree_ / "TREE.INI");
  for (const char* line : {"date = 2023-11-14T22:13:20Z", "baseline = 2002-2013", "future = 2022-2033",
                           "models = 3", "observed_new_tas = present", "observed_new_pr = all-missing",
                           "observed_old_tas = present", "observed_old_pr = present", "aerosol = present",
                           "[GC01]   # file stem GC01TR98", "name = GAUSS-A", "name = REGULAR-B", "name = COARSE-C",
                           "experiments = historical, ssp245", "variants = r1i1p1f1", "calendar = noleap",
                           "calendar = 360_day", "calendar = standard", "grid = 48 x 96 (lat x lon)",
                           "tool = tesseraimport"})
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  std::size_t pos = 0;
  for (int k = 0; k < 3; ++k) {
    pos = ini.find("dTg = ", pos);
    ASSERT_NE(pos, std::string::npos);
    EXPECT_EQ(ini.substr(pos, 11), "dTg = 1.000");
    ++pos;
  }
  EXPECT_NE(ini.find("tas_Amon_GAUSS-A_historical_r1i1p1f1_gn_200101-200712.nc, "), std::string::npos);
}

// crossmod and varistat on the imported tree: the whole-globe averages of
// the known patterns.
TEST_F(ImportedTree, EnginesRunOnTheImportedTree) {
  testsupport::ScratchWorkDir work("importer_engines");
  for (const char* d : {"IMOUT", "SDOUT", "TESSERA"}) fs::create_directories(d);
  testsupport::write_weights("TSU.DR", {{2050, 2.0, -0.1, -0.2, -0.1, 1.6}});
  testsupport::write_text("EXTRA.CFG", "EXTRA.CFG\n      1.000   THRESH\n NEW          OBSSET\n          0   IBOTH\n");
  testsupport::ShellSettings s;
  s.IMOD = {1, 2, 3};
  s.ISULF = 1;
  testsupport::write_shell(s);
  const std::string env = "TESSERA_DATA_ROOT='" + tree_.string() + "' ";
  ASSERT_EQ(testsupport::exit_status(env + "'" CROSSMOD_EXE "' > crossmod.out 2>&1"), 0)
      << testsupport::read_text("crossmod.out");
  const std::string aves = testsupport::read_text("IMOUT/AREAAVES.OUT");
  // The pattern's cosine-weighted mean over whole rows is 1 (sin(lat) is
  // antisymmetric, cos(lon) sums to zero round a row); the baselines 15 degC.
  for (const char* line : {" MODEL = GC01D1 : AREA AVE =   1.000", " MODEL = GC02D1 : AREA AVE =   1.000",
                           " MODEL = GC03D1 : AREA AVE =   1.000", " MODEL = GC01   : AREA AVE =  15.000",
                           " MODEL = MBAR   : AREA AVE =  15.000", " GHG ONLY         : AREA AVERAGE =   2.000 degC",
                           " AEROSOL ONLY     : AREA AVERAGE =  -0.110 degC",
                           " GHG AND AEROSOL  : AREA AVERAGE =   1.890 degC"})
    EXPECT_NE(aves.find(line), std::string::npos) << line << "\n" << aves;

  ASSERT_EQ(testsupport::exit_status(env + "'" VARISTAT_EXE "' > varistat.out 2>&1"), 0)
      << testsupport::read_text("varistat.out");
  // The model-mean baseline S.D. field: cosine-weighted global mean of
  // sqrt(12/10) 0.4 |cos(lon)| box values, averaged over the three models.
  const std::vector<std::string> dump = testsupport::read_lines("TESSERA/BASE-SD.OUT");
  std::vector<double> v;  // after an empty record, the title and a blank record: 17 values a record in F8.3
  for (std::size_t k = 3; k < dump.size(); ++k)
    for (std::size_t col = 0; col + 8 <= dump[k].size(); col += 8) v.push_back(std::stod(dump[k].substr(col, 8)));
  ASSERT_EQ(v.size(), 2592u);
  double sum = 0, wsum = 0, expect = 0;
  for (int r = 0; r < 36; ++r)
    for (int c = 0; c < 72; ++c) {
      const Box b{r, c};
      const double w = std::cos((87.5 - 5.0 * r) * DEG);
      sum += w * v[b.k()];
      wsum += w;
      expect += w * SD_FACTOR * NOISE * (2 * std::abs(b.mean_cos()) + std::abs(b.cell_cos())) / 3;
    }
  EXPECT_NEAR(sum / wsum, expect / wsum, 0.005);
}

// The front end reads TREE.INI: "all" means the tree's three models, a
// model beyond them is refused, and a whole `scenario run` on the tree
// names the models and epochs and is not called synthetic.
TEST_F(ImportedTree, FrontEndNamesTheModelsOfTheTree) {
  const fe::DataTree t = fe::read_data_tree(tree_.string(), false);
  EXPECT_TRUE(t.imported);
  EXPECT_EQ(t.models, 3);
  EXPECT_EQ(t.names[2], "REGULAR-B");
  EXPECT_EQ(t.baseline, "2002-2013");
  EXPECT_TRUE(t.aerosol);

  const std::string data_root = "[engines]\ndata_root = " + tree_.string() + "\n";
  fe::RunSettings rs = fe::validate_settings(fe::parse_settings(data_root, "s.ini"), PROJECT_DATA_DIR);
  EXPECT_EQ(rs.engines.IMOD, (std::vector<int>{1, 2, 3}));
  try {
    fe::validate_settings(fe::parse_settings(data_root + "models = GC01 GC05\n", "s.ini"), PROJECT_DATA_DIR);
    ADD_FAILURE() << "GC05 accepted";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()), "s.ini, line 3: [engines] models: GC05 is not in the model data tree " +
                                         tree_.string() + "; expected GC01 to GC03 (see its TREE.INI), or all");
  }

  testsupport::ScratchDir run("importer_scenario");
  const fs::path ini = run.path() / "settings.ini";
  testsupport::write_text(ini, "[orvuser]\nIYEND = 2050\n[orvxtra]\nDT = 0.5\n[engines]\nyear = 2050\n" +
                                   data_root.substr(10));
  const fs::path out = run.path() / "out";
  const std::string cmd = "'" BIN_DIR "/scenario' run '" + ini.string() + "' --out '" + out.string() + "' > '" +
                          (run.path() / "log").string() + "' 2>&1";
  ASSERT_EQ(testsupport::exit_status(cmd), 0) << testsupport::read_text(run.path() / "log");
  const std::string log = testsupport::read_text(run.path() / "log");
  const std::string readme = testsupport::read_text(out / "README.txt");
  for (const std::string& text : {log, readme}) {
    EXPECT_EQ(text.find("SYNTHETIC"), std::string::npos) << text;
    for (const char* part : {"GC01 = GAUSS-A (warming 1.000 degC between the epochs)", "GC02 = REGULAR-B",
                             "GC03 = COARSE-C", "change from 2002-2013 to 2022-2033", "aerosol patterns present"})
      EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  }
  EXPECT_NE(log.find("3 models (area averages)"), std::string::npos) << log;
}

}  // namespace
