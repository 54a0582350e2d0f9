#include "importer/source_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "records/record_io.h"

namespace imp {

namespace {

[[noreturn]] void refuse(const std::string& where, const std::string& what) { throw rec::Error(where + ": " + what); }

std::string join(const std::vector<std::string>& names) {
  std::string s;
  for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
  return s;
}

// The coordinate variable of a dimension: 1-D, named as the dimension.
std::vector<double> coordinate(const nc::File& f, const nc::Dim& d, const std::string& var_where) {
  std::optional<nc::Var> v = f.find_var(d.name);
  if (!v || v->dims().size() != 1)
    refuse(var_where, "dimension " + d.name +
                          " has no 1-D coordinate variable; expected 1-D lat and lon coordinates "
                          "(curvilinear grids are not supported: regrid them first)");
  return v->values();
}

// Edges of cells from the bounds variable named by `bounds` (n x 2), or
// halfway between centres, with the outer edges half a spacing out.
std::vector<double> edges(const nc::File& f, const std::string& coord, const std::vector<double>& c) {
  const std::size_t n = c.size();
  std::vector<double> e(n + 1);
  std::optional<nc::Var> v = f.find_var(coord);
  if (std::optional<std::string> b = v->text_if("bounds"); b && n > 0) {
    if (std::optional<nc::Var> bv = f.find_var(*b); bv && bv->size() == 2 * n) {
      std::vector<double> bounds = bv->values();
      e[0] = bounds[0];
      for (std::size_t k = 0; k < n; ++k) e[k + 1] = bounds[2 * k + 1];
      return e;
    }
  }
  if (n == 1) return {c[0] - 0.5, c[0] + 0.5};
  for (std::size_t k = 1; k < n; ++k) e[k] = 0.5 * (c[k - 1] + c[k]);
  e[0] = c[0] - 0.5 * (c[1] - c[0]);
  e[n] = c[n - 1] + 0.5 * (c[n - 1] - c[n - 2]);
  return e;
}

bool monotonic(const std::vector<double>& v) {
  bool up = true, down = true;
  for (std::size_t k = 1; k < v.size(); ++k) {
    up = up && v[k] > v[k - 1];
    down = down && v[k] < v[k - 1];
  }
  return up || down;
}

// CF units of latitude or longitude: degrees_north, degree_N, degreesN …
bool degrees_towards(const std::string& units, const std::string& direction) {
  std::string u;
  for (char ch : units)
    if (ch != '_') u += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  for (const char* prefix : {"degrees", "degree"})
    if (u.starts_with(prefix)) {
      u.erase(0, std::string(prefix).size());
      return u == direction || u == direction.substr(0, 1);
    }
  return false;
}

// Field `n` (from 0) of a CMIP file name split at '_':
// tas_Amon_MODEL_EXPERIMENT_VARIANT_GRID_YYYYMM-YYYYMM.nc.
std::string drs_field(const std::string& path, int n) {
  std::string name = std::filesystem::path(path).stem().string();
  for (int k = 0; k < n; ++k) {
    const std::size_t u = name.find('_');
    if (u == std::string::npos) return "";
    name.erase(0, u + 1);
  }
  return name.substr(0, name.find('_'));
}

std::string label(const nc::File& f, const std::string& att, const std::string& path, int drs) {
  std::optional<std::string> v = f.globals().text_if(att);
  std::string s = v ? *v : drs_field(path, drs);
  return s.empty() ? "unknown" : s;
}

std::string expected_units(Quantity q) { return q == Quantity::Temperature ? "K or degC" : "kg m-2 s-1 or mm/day"; }

}  // namespace

std::string month_text(long long month) {
  const long long y = month >= 0 ? month / 12 : (month - 11) / 12;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04lld-%02d", y, static_cast<int>(month - 12 * y + 1));
  return buf;
}

std::string SourceGrid::describe() const {
  return std::to_string(lat.size()) + " x " + std::to_string(lon.size()) + " (lat x lon)";
}

SourceGrid grid_of(const nc::File& f, const nc::Var& v) {
  const std::vector<nc::Dim> dims = v.dims();
  const std::string where = v.where();
  const nc::Dim& dlat = dims[dims.size() - 2];
  const nc::Dim& dlon = dims[dims.size() - 1];
  SourceGrid g;
  g.lat = coordinate(f, dlat, where);
  g.lon = coordinate(f, dlon, where);
  const nc::Var lat = f.var(dlat.name), lon = f.var(dlon.name);
  const std::string lat_units = lat.text_if("units").value_or(""), lon_units = lon.text_if("units").value_or("");
  if (!degrees_towards(lat_units, "north"))
    refuse(lat.where("units"), "\"" + lat_units + "\"; expected degrees_north (1-D lat and lon coordinates)");
  if (!degrees_towards(lon_units, "east"))
    refuse(lon.where("units"), "\"" + lon_units + "\"; expected degrees_east (1-D lat and lon coordinates)");
  if (!monotonic(g.lat) || g.lat.front() < -90.0 || g.lat.back() < -90.0 || g.lat.front() > 90.0 ||
      g.lat.back() > 90.0)
    refuse(lat.where(), "expected latitudes between -90 and 90, strictly increasing or decreasing");
  if (g.lon.size() < 2 || !monotonic(g.lon) || g.lon.back() < g.lon.front() || g.lon.back() - g.lon.front() >= 360.0)
    refuse(lon.where(), "expected strictly increasing longitudes spanning less than 360 degrees");
  g.lat_edges = edges(f, dlat.name, g.lat);
  g.lon_edges = edges(f, dlon.name, g.lon);
  for (double& e : g.lat_edges) e = std::clamp(e, -90.0, 90.0);
  return g;
}

SourceFile::SourceFile(const std::string& path, const std::string& variable, Quantity quantity)
    : path_(path), variable_(variable) {
  const std::string& p = path_;
  file_.emplace(nc::File::open(path));
  if (std::optional<std::string> freq = file_->globals().text_if("frequency"); freq && *freq != "mon")
    refuse(p + ", global attribute frequency", "\"" + *freq + "\"; expected monthly means (\"mon\")");
  var_ = file_->find_var(variable);
  if (!var_) refuse(p, "no variable " + variable + " (the file holds " + join(file_->var_names()) + ")");
  const std::string where = var_->where();

  std::vector<nc::Dim> dims = var_->dims();
  std::string shape;
  for (const nc::Dim& d : dims) shape += (shape.empty() ? "" : ", ") + d.name;
  if (dims.size() != 3)
    refuse(where, "dimensions (" + shape + "); expected (time, lat, lon)");

  // Time: CF units "UNIT since DATE" and a calendar.
  const nc::Var time = file_->var(dims[0].name);
  const std::string time_units = time.text_if("units").value_or("");
  std::optional<TimeUnits> tu = parse_time_units(time_units);
  if (!tu)
    refuse(time.where("units"), "\"" + time_units + "\"; expected \"days since YYYY-MM-DD\" (or hours, minutes, seconds)");
  const std::string cal = time.text_if("calendar").value_or("standard");
  std::optional<Calendar> c = parse_calendar(cal);
  if (!c)
    refuse(time.where("calendar"), "\"" + cal + "\"; expected a CF calendar (standard, gregorian, proleptic_gregorian, "
                                     "julian, noleap, 365_day, all_leap, 366_day, 360_day)");
  calendar_ = *c;
  const std::vector<double> t = time.values();
  if (t.empty()) refuse(time.where(), "no time steps");
  for (std::size_t k = 0; k < t.size(); ++k) {
    const Date d = date_of_time(calendar_, *tu, t[k]);
    months_.push_back(month_index(d.year, d.month));
    if (k == 0) continue;
    if (months_[k] == months_[k - 1])
      refuse(time.where(), "two time steps in " + month_text(months_[k]) +
                               " (daily or sub-monthly data?); expected one monthly mean per month");
    if (months_[k] != months_[k - 1] + 1)
      refuse(time.where(), "time step " + std::to_string(k + 1) + " is in " + month_text(months_[k]) +
                               ", after " + month_text(months_[k - 1]) +
                               "; expected consecutive months in increasing order");
  }

  grid_ = grid_of(*file_, *var_);

  // Missing values, packing and units.
  for (const char* att : {"_FillValue", "missing_value"})
    if (var_->has(att))
      for (double m : var_->numbers(att)) missing_.push_back(m);
  scale_ = var_->number_if("scale_factor").value_or(1.0);
  offset_ = var_->number_if("add_offset").value_or(0.0);
  const std::string units = var_->text_if("units").value_or("");
  if (units.empty()) refuse(var_->where("units"), "missing; expected " + expected_units(quantity));
  units_ = conversion_to_engine_units(quantity, units, var_->where("units"));
  type_bytes_ = var_->type() == nc::Type::Double ? 8 : var_->type() == nc::Type::Short ? 2
                : var_->type() == nc::Type::Byte ? 1 : 4;
  experiment_ = label(*file_, "experiment_id", path, 3);
  variant_ = label(*file_, "variant_label", path, 4);
  close();
}

void SourceFile::close() {
  var_.reset();
  file_.reset();
}

std::size_t SourceFile::step_bytes() const { return grid_.lat.size() * grid_.lon.size() * type_bytes_; }

void SourceFile::read_step(std::size_t step, std::vector<double>& out) {
  if (!file_) {
    file_.emplace(nc::File::open(path_));
    var_.emplace(file_->var(variable_));
  }
  const std::size_t nlat = grid_.lat.size(), nlon = grid_.lon.size();
  out.resize(nlat * nlon);
  var_->get({step, 0, 0}, {1, nlat, nlon}, std::span<double>(out));
  for (double& v : out) {
    bool missing = std::isnan(v);
    for (double m : missing_) missing = missing || v == m;
    v = missing ? std::numeric_limits<double>::quiet_NaN() : units_(v * scale_ + offset_);
  }
}

}  // namespace imp
