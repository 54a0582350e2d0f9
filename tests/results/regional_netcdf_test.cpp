// regional-<scenario>.nc of a finished run: read back through the netCDF
// API against the engines' TESSERA dumps, and opened by the standard tools
// (ncdump, CDO, xarray), which must be installed: a missing tool fails.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "netcdf/netcdf_file.h"
#include "results/finished_run.h"
#include "results/regional_netcdf.h"
#include "results/regional_results.h"
#include "results/run_info.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_lines;
using testsupport::read_text;

using FinishedRun = testsupport::FinishedRun;

// The 2592 values of a TESSERA dump: its last 153 lines of (17F8.3).
std::vector<double> dump_values(const fs::path& file) {
  const std::vector<std::string> lines = read_lines(file);
  std::vector<double> v;
  for (std::size_t k = lines.size() - 153; k < lines.size(); ++k)
    for (std::size_t at = 0; at + 8 <= lines[k].size(); at += 8) v.push_back(std::stod(lines[k].substr(at, 8)));
  return v;
}

TEST_F(FinishedRun, NetcdfHoldsTheGridTheFieldsAndTheRunsSettings) {
  for (const auto& [file, folder, scenario] :
       {std::tuple{"regional-RCP4.5.nc", "engines-reference", "RCP4.5"},
        std::tuple{"regional-RCP2.6.nc", "engines-policy", "RCP2.6"}}) {
    SCOPED_TRACE(file);
    const nc::File f = nc::File::open((results() / file).string());
    EXPECT_TRUE(f.netcdf4());
    EXPECT_EQ(f.dim("lat").length, 36u);
    EXPECT_EQ(f.dim("lon").length, 72u);
    // Box centres from 87.5N southwards and from 177.5W eastwards, bounds
    // 2.5 degrees either side.
    const std::vector<double> lat = f.var("lat").values(), lon = f.var("lon").values();
    EXPECT_DOUBLE_EQ(lat.front(), 87.5);
    EXPECT_DOUBLE_EQ(lat.back(), -87.5);
    EXPECT_DOUBLE_EQ(lon.front(), -177.5);
    EXPECT_DOUBLE_EQ(lon.back(), 177.5);
    const std::vector<double> lat_b = f.var("lat_bnds").values(), lon_b = f.var("lon_bnds").values();
    EXPECT_DOUBLE_EQ(lat_b[0], 90.0);
    EXPECT_DOUBLE_EQ(lat_b[1], 85.0);
    EXPECT_DOUBLE_EQ(lon_b[142], 175.0);
    EXPECT_DOUBLE_EQ(lon_b[143], 180.0);
    EXPECT_EQ(f.var("lat").text("units"), "degrees_north");
    EXPECT_EQ(f.var("lon").text("bounds"), "lon_bnds");

    const nc::Attributes g = f.globals();
    EXPECT_EQ(g.text("Conventions"), "CF-1.8");
    EXPECT_EQ(g.text("scenario"), scenario);
    EXPECT_EQ(g.number("year"), 2050);
    EXPECT_EQ(g.text("season"), "ANN");
    EXPECT_EQ(g.text("variable"), "temperature");
    EXPECT_EQ(g.number("model_count"), 3);
    EXPECT_EQ(g.text("comment").find("SYNTHETIC"), std::string::npos) << "a tree given by TESSERA_DATA_ROOT";
    EXPECT_EQ(g.text("models"), "GC01, GC04, GC11");
    EXPECT_NE(g.text("history").find("scenario run"), std::string::npos);

    // Fields against the dumps they were read from; MISSING is the fill.
    for (const auto& [name, dump, units] :
         {std::tuple{"change", "TESSERA/DEL2USE.OUT", "K"}, std::tuple{"snr", "TESSERA/IM-SNR.OUT", "1"},
          std::tuple{"probability_of_increase", "TESSERA/PROBINCR.OUT", "1"},
          std::tuple{"baseline_observed", "TESSERA/OBSBASE.OUT", "degC"},
          std::tuple{"sd_change", "TESSERA/DELTA-SD.OUT", "%"}}) {
      SCOPED_TRACE(name);
      const nc::Var v = f.var(name);
      EXPECT_EQ(v.text("units"), units);
      EXPECT_FALSE(v.text("long_name").empty());
      EXPECT_FLOAT_EQ(static_cast<float>(v.number("_FillValue")), -99.99f);
      ASSERT_EQ(v.shape(), (std::vector<std::size_t>{36, 72}));
      const std::vector<double> got = v.values();
      const std::vector<double> want = dump_values(run_ / folder / dump);
      ASSERT_EQ(want.size(), 2592u);
      int missing = 0;
      for (std::size_t m = 0; m < want.size(); ++m) {
        if (want[m] <= -99.0) {
          ++missing;
          EXPECT_FLOAT_EQ(static_cast<float>(got[m]), -99.99f) << m;
        } else {
          EXPECT_NEAR(got[m], want[m], 0.0005 + 1e-6 * std::abs(want[m])) << m;
        }
      }
      if (std::string(name) == "snr") {
        EXPECT_LT(missing, 2592);
      }
    }
    // The study area: the box's rows 30N-70N (rows 5 to 12) carry weight.
    const std::vector<double> area = f.var("study_area").values();
    EXPECT_GT(area[5 * 72 + 36], 0);
    EXPECT_EQ(area[20 * 72 + 36], 0);
  }
}

TEST_F(FinishedRun, NetcdfOfASyntheticTreeSaysSoInItsTitleAndComment) {
  const res::RegionalResults r = res::read_regional_results((run_ / "engines-policy").string(), "RCP2.6");
  res::RunInfo info;
  info.models.synthetic = true;
  info.models.description = "SYNTHETIC PATTERNS made by tesseragen";
  const fs::path file = scratch_->path() / "synthetic.nc";
  res::write_regional_netcdf(file.string(), r, info);
  const nc::File f = nc::File::open(file.string());
  const nc::Attributes g = f.globals();
  EXPECT_NE(g.text("title").find("RCP2.6, MID (DEFAULT) set, 3 models - SYNTHETIC PATTERNS"), std::string::npos)
      << g.text("title");
  EXPECT_TRUE(g.text("comment").starts_with("SYNTHETIC PATTERNS")) << g.text("comment");
}

TEST_F(FinishedRun, NetcdfOpensInNcdumpCdoAndXarrayWithoutWarnings) {
  const fs::path nc = results() / "regional-RCP4.5.nc";
  const fs::path log = scratch_->path() / "tools.log";
  const auto run = [&](const std::string& command) {
    const int status = exit_status(command + " > '" + log.string() + "' 2>&1");
    return std::pair{status, read_text(log)};
  };

  auto [status, said] = run("ncdump -h '" + nc.string() + "'");
  ASSERT_EQ(status, 0) << "ncdump (Debian netcdf-bin) is needed: " << said;
  EXPECT_NE(said.find("change_ghg_aerosol(lat, lon)"), std::string::npos) << said;
  EXPECT_NE(said.find(":Conventions = \"CF-1.8\""), std::string::npos) << said;

  std::tie(status, said) = run("cdo -s sinfo '" + nc.string() + "'");
  ASSERT_EQ(status, 0) << "cdo (Debian cdo) is needed: " << said;
  EXPECT_EQ(said.find("Warning"), std::string::npos) << said;
  EXPECT_NE(said.find("lonlat"), std::string::npos) << said;

  // xarray decodes the CF attributes (fill values become NaN) with every
  // warning an error.
  const std::string py =
      "import sys, warnings\n"
      "warnings.simplefilter('error')\n"
      "import xarray as xr\n"
      "ds = xr.open_dataset(sys.argv[1])\n"
      "c = ds['change']\n"
      "assert c.dims == ('lat', 'lon'), c.dims\n"
      "assert c.attrs['units'] == 'K'\n"
      "assert int(ds['sd_change'].isnull().sum()) < 2592\n"
      "print('lat', float(ds.lat[0]), 'vars', len(ds.data_vars))\n";
  testsupport::write_text(scratch_->path() / "open.py", py);
  std::tie(status, said) =
      run("/usr/bin/python3 '" + (scratch_->path() / "open.py").string() + "' '" + nc.string() + "'");
  ASSERT_EQ(status, 0) << "python3 with xarray (Debian python3-xarray, python3-netcdf4) is needed: " << said;
  EXPECT_NE(said.find("lat 87.5"), std::string::npos) << said;
}

}  // namespace
