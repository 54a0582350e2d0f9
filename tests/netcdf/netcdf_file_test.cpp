// The netCDF wrapper: files written through it read back the same (whole
// variables and hyperslabs, float and double, text and numeric attributes)
// in both formats, ncdump (netCDF's own tool) sees what we wrote, and every
// failure names the file and the variable or attribute.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "netcdf/netcdf_file.h"
#include "support/scratch_dir.h"

namespace {

using testsupport::ScratchDir;

// A small CF-style file: lat(3), lon(4), time(unlimited, 2 records) and a
// float field tas(time, lat, lon) written one time step at a time.
void write_sample(const std::string& path, nc::Format format) {
  nc::File f = nc::File::create(path, format);
  f.def_dim("time", 0);
  f.def_dim("lat", 3);
  f.def_dim("lon", 4);
  nc::Var lat = f.def_var("lat", nc::Type::Double, {"lat"});
  lat.put_text("units", "degrees_north");
  nc::Var tas = f.def_var("tas", nc::Type::Float, {"time", "lat", "lon"}, 4);
  tas.put_text("units", "K");
  tas.put_text("long_name", "Near-Surface Air Temperature");
  tas.put_number("_FillValue", nc::Type::Float, 1.0e20);
  nc::Attributes g = f.globals();
  g.put_text("Conventions", "CF-1.8");
  g.put_numbers("epochs", nc::Type::Int, std::vector<double>{1961, 1990});
  f.end_define();
  lat.put(std::vector<double>{-30.0, 0.0, 30.0});
  for (std::size_t t = 0; t < 2; ++t) {
    std::vector<float> slab(12);
    for (std::size_t k = 0; k < 12; ++k) slab[k] = static_cast<float>(280.0 + 10.0 * t + 0.5 * k);
    tas.put({t, 0, 0}, {1, 3, 4}, std::span<const float>(slab));
  }
  f.close();
}

class NetcdfFormats : public ::testing::TestWithParam<nc::Format> {};

TEST_P(NetcdfFormats, WrittenValuesAndAttributesReadBack) {
  ScratchDir dir("netcdf_roundtrip");
  const std::string path = (dir.path() / "sample.nc").string();
  write_sample(path, GetParam());

  nc::File f = nc::File::open(path);
  EXPECT_EQ(f.netcdf4(), GetParam() == nc::Format::Netcdf4);
  EXPECT_EQ(f.dim("time").length, 2u);
  nc::Var tas = f.var("tas");
  EXPECT_EQ(tas.type(), nc::Type::Float);
  ASSERT_EQ(tas.shape(), (std::vector<std::size_t>{2, 3, 4}));
  EXPECT_EQ(tas.dims()[1].name, "lat");
  EXPECT_EQ(tas.text("units"), "K");
  EXPECT_EQ(tas.att_type("_FillValue"), nc::Type::Float);
  EXPECT_FLOAT_EQ(static_cast<float>(tas.number("_FillValue")), 1.0e20f);
  EXPECT_FALSE(tas.text_if("standard_name"));
  EXPECT_EQ(f.globals().text("Conventions"), "CF-1.8");
  EXPECT_EQ(f.globals().numbers("epochs"), (std::vector<double>{1961, 1990}));

  // Whole variable in double, and the hyperslab of row 2 of time step 2 in float.
  std::vector<double> all = tas.values();
  ASSERT_EQ(all.size(), 24u);
  EXPECT_DOUBLE_EQ(all[0], 280.0);
  EXPECT_DOUBLE_EQ(all[23], 295.5);
  std::vector<float> row(4);
  tas.get({1, 1, 0}, {1, 1, 4}, std::span<float>(row));
  EXPECT_EQ(row, (std::vector<float>{292.0f, 292.5f, 293.0f, 293.5f}));
  EXPECT_EQ(f.var("lat").values(), (std::vector<double>{-30.0, 0.0, 30.0}));
}

INSTANTIATE_TEST_SUITE_P(BothFormats, NetcdfFormats,
                         ::testing::Values(nc::Format::Netcdf4, nc::Format::Classic));

// ncdump, the library's own tool, reads our file: the header shows the
// attributes as written and the data the values.
TEST(NetcdfFile, NcdumpReadsWhatWeWrote) {
  ScratchDir dir("netcdf_ncdump");
  const std::string path = (dir.path() / "sample.nc").string();
  write_sample(path, nc::Format::Netcdf4);
  const std::string out = (dir.path() / "dump.txt").string();
  ASSERT_EQ(testsupport::exit_status("ncdump " + path + " > " + out), 0)
      << "ncdump (Debian netcdf-bin) is needed by this test";
  const std::string dump = testsupport::read_text(out);
  EXPECT_NE(dump.find("float tas(time, lat, lon)"), std::string::npos) << dump;
  EXPECT_NE(dump.find("tas:units = \"K\""), std::string::npos) << dump;
  EXPECT_NE(dump.find(":Conventions = \"CF-1.8\""), std::string::npos) << dump;
  EXPECT_NE(dump.find(":epochs = 1961, 1990"), std::string::npos) << dump;
  EXPECT_NE(dump.find("lat = -30, 0, 30"), std::string::npos) << dump;
  EXPECT_NE(dump.find("294, 294.5, 295, 295.5 ;"), std::string::npos) << dump;
  ASSERT_EQ(testsupport::exit_status("ncdump -k " + path + " > " + out), 0);
  EXPECT_EQ(testsupport::read_text(out), "netCDF-4\n");
}

// Each failure names the file and what it was about.
TEST(NetcdfFile, ErrorsNameTheFileAndTheItem) {
  ScratchDir dir("netcdf_errors");
  const std::string path = (dir.path() / "sample.nc").string();
  auto message = [](auto&& action) -> std::string {
    try {
      action();
    } catch (const nc::Error& e) {
      return e.what();
    }
    return "no error";
  };

  const std::string missing = (dir.path() / "none.nc").string();
  EXPECT_EQ(message([&] { nc::File::open(missing); }).rfind(missing + ": cannot open it as a netCDF file", 0), 0u);
  testsupport::write_text(dir.path() / "text.nc", "not a netCDF file\n");
  EXPECT_NE(message([&] { nc::File::open((dir.path() / "text.nc").string()); }).find("text.nc: cannot open it"),
            std::string::npos);

  write_sample(path, nc::Format::Classic);
  nc::File f = nc::File::open(path);
  EXPECT_EQ(message([&] { f.var("pr"); }), path + ", variable pr: missing");
  EXPECT_EQ(message([&] { f.dim("bnds"); }), path + ", dimension bnds: missing");
  nc::Var tas = f.var("tas");
  EXPECT_EQ(message([&] { tas.text("standard_name"); }),
            path + ", attribute tas:standard_name: missing; expected a text attribute");
  EXPECT_EQ(message([&] { tas.number("units"); }), path + ", attribute tas:units: expected a number, found text");
  EXPECT_EQ(message([&] { tas.text("_FillValue"); }),
            path + ", attribute tas:_FillValue: expected a text attribute, found a number");
  EXPECT_EQ(message([&] { f.globals().number("history"); }),
            path + ", global attribute history: missing; expected a numeric attribute");
  std::vector<float> wrong(5);
  EXPECT_EQ(message([&] { tas.get({0, 0, 0}, {1, 1, 4}, std::span<float>(wrong)); }),
            path + ", variable tas: a buffer of 5 values given for 4");
  // Writing to a file opened for reading fails with the library's reason.
  EXPECT_NE(message([&] { tas.put_text("comment", "x"); }).find(path + ", attribute tas:comment: cannot write it: "),
            std::string::npos);
}

// A moved-from file no longer owns the dataset; the new owner closes it once.
TEST(NetcdfFile, MovedFileClosesOnce) {
  ScratchDir dir("netcdf_move");
  const std::string path = (dir.path() / "sample.nc").string();
  write_sample(path, nc::Format::Netcdf4);
  nc::File a = nc::File::open(path);
  nc::File b = std::move(a);
  EXPECT_EQ(b.dim("lon").length, 4u);
  nc::File c = nc::File::open(path);
  c = std::move(b);
  EXPECT_EQ(c.var_names(), (std::vector<std::string>{"lat", "tas"}));
  c.close();
  c.close();  // a second close does nothing
}

}  // namespace
