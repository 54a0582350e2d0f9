#include "results/regional_netcdf.h"

#include "records/record_io.h"

#ifdef TOOLKIT_HAS_NETCDF

#include <vector>

#include "engines/common/catalogue.h"
#include "netcdf/netcdf_file.h"
#include "results/descriptions.h"

namespace res {

namespace {

// The engines' missing value as the variables' fill value: a value that is
// not valid (-99.0 or less) is written as exactly this.
constexpr float FILL = static_cast<float>(eng::MISSING);

void coordinates(nc::File& f) {
  f.def_dim("lat", eng::NLAT);
  f.def_dim("lon", eng::NLON);
  f.def_dim("bnds", 2);
  nc::Var lat = f.def_var("lat", nc::Type::Double, {"lat"});
  lat.put_text("standard_name", "latitude");
  lat.put_text("long_name", "latitude of the grid-box centre");
  lat.put_text("units", "degrees_north");
  lat.put_text("axis", "Y");
  lat.put_text("bounds", "lat_bnds");
  nc::Var lon = f.def_var("lon", nc::Type::Double, {"lon"});
  lon.put_text("standard_name", "longitude");
  lon.put_text("long_name", "longitude of the grid-box centre");
  lon.put_text("units", "degrees_east");
  lon.put_text("axis", "X");
  lon.put_text("bounds", "lon_bnds");
  f.def_var("lat_bnds", nc::Type::Double, {"lat", "bnds"});
  f.def_var("lon_bnds", nc::Type::Double, {"lon", "bnds"});
}

void put_coordinates(nc::File& f) {
  // Rows from the north and columns from the west, as the engines store
  // them; the bounds are the centres plus and minus 2.5 degrees.
  const eng::GridTables& g = eng::grid_tables();
  std::vector<double> lat, lon, lat_b, lon_b;
  for (int i = 1; i <= eng::NLAT; ++i) {
    lat.push_back(g.XLAT[i]);
    lat_b.push_back(g.XLAT[i] + 2.5);
    lat_b.push_back(g.XLAT[i] - 2.5);
  }
  for (int j = 1; j <= eng::NLON; ++j) {
    lon.push_back(g.XLON[j]);
    lon_b.push_back(g.XLON[j] - 2.5);
    lon_b.push_back(g.XLON[j] + 2.5);
  }
  f.var("lat").put(std::span<const double>(lat));
  f.var("lon").put(std::span<const double>(lon));
  f.var("lat_bnds").put(std::span<const double>(lat_b));
  f.var("lon_bnds").put(std::span<const double>(lon_b));
}

void global_attributes(nc::File& f, const RegionalResults& r, const RunInfo& info) {
  const eng::EngineConfig& c = r.config;
  nc::Attributes g = f.globals();
  g.put_text("Conventions", "CF-1.8");
  g.put_text("title", "Regional change by pattern scaling: " + run_line(r, info.models));
  g.put_text("source", "crossmod (inter-model pattern scaling) and varistat (variability) of the scenario toolkit, "
                       "scaled by the global-mean warming of its climate model orvtar");
  g.put_text("history", info.created + " " + info.command);
  g.put_text("references", "docs/formats/results.md of the scenario toolkit");
  if (info.models.synthetic)
    g.put_text("comment", "SYNTHETIC PATTERNS: the model data tree was made by tesseragen, not by climate models; "
                          "the fields show how the engines work, not what any climate model projects.");
  else
    g.put_text("comment", "Pattern-scaled projections; see model_data and models for the climate models used.");
  g.put_text("scenario", r.scenario);
  g.put_text("scenario_role", c.ISCEN == 1 ? "reference" : "policy");
  g.put_number("year", nc::Type::Int, c.IYEAR);
  g.put_text("season", season_label(c));
  g.put_text("variable", std::string(variable_name(c)));
  g.put_text("scaling", scaling_label(c));
  g.put_text("parameter_set", parameter_set_label(c));
  g.put_text("aerosols", c.ISULF == 1 ? "on" : "off");
  g.put_number("definition", nc::Type::Int, c.IDEF);
  g.put_text("area", area_label(r));
  g.put_number("increase_threshold", nc::Type::Double, c.THRESH);
  g.put_text("observed_baseline", c.OBSSET);
  g.put_number("model_count", nc::Type::Int, model_count(c));
  g.put_text("models", models_label(c, info.models));
  g.put_text("model_data", info.models.description);
  g.put_text("run_folder", info.run_folder);
}

}  // namespace

bool netcdf_available() { return true; }

void write_regional_netcdf(const std::string& path, const RegionalResults& r, const RunInfo& info) {
  nc::File f = nc::File::create(path, nc::Format::Netcdf4);
  coordinates(f);
  nc::Var area = f.def_var("study_area", nc::Type::Byte, {"lat", "lon"});
  area.put_text("long_name", "weight of the grid box in the area averages (0 outside the study area)");
  area.put_text("units", "1");
  area.put_numbers("valid_range", nc::Type::Byte, std::vector<double>{0, 9});
  for (const GridVariable& v : r.fields) {
    nc::Var var = f.def_var(v.name, v.counts ? nc::Type::Int : nc::Type::Float, {"lat", "lon"}, 1);
    var.put_text("long_name", v.long_name);
    var.put_text("units", v.units);
    if (!v.counts) var.put_number("_FillValue", nc::Type::Float, FILL);
    var.put_text("source", std::string(engine_name(v.engine)) + " " + v.source);
  }
  global_attributes(f, r, info);
  f.end_define();

  put_coordinates(f);
  std::vector<float> values(eng::NGRID);
  for (int m = 0; m < eng::NGRID; ++m) values[m] = static_cast<float>(r.area.MASK.v[m]);
  area.put(std::span<const float>(values));
  for (const GridVariable& v : r.fields) {
    for (int m = 0; m < eng::NGRID; ++m)
      values[m] = eng::valid(v.field.v[m]) ? static_cast<float>(v.field.v[m]) : FILL;
    f.var(v.name).put(std::span<const float>(values));
  }
  f.close();
}

}  // namespace res

#else

namespace res {

bool netcdf_available() { return false; }

void write_regional_netcdf(const std::string& path, const RegionalResults&, const RunInfo&) {
  throw rec::Error(path + ": this build of the toolkit has no netCDF library (libnetcdf-dev)");
}

}  // namespace res

#endif
