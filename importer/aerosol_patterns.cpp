#include "importer/aerosol_patterns.h"

#include <cmath>
#include <limits>

#include "importer/source_file.h"
#include "netcdf/netcdf_file.h"
#include "records/record_io.h"

namespace imp {

AerosolSeasons read_aerosol_pattern(const std::string& path, const std::string& variable) {
  const nc::File f = nc::File::open(path);
  const nc::Var v = f.var(variable);
  const std::vector<nc::Dim> dims = v.dims();
  if (dims.size() != 3 || dims[0].length != 17)
    throw rec::Error(v.where() + ": expected dimensions (season, lat, lon) with 17 seasons (JAN … DEC, DJF, MAM, "
                     "JJA, SON, ANN)");
  const SourceGrid g = grid_of(f, v);
  const Regridder regrid(g);
  const std::optional<double> fill = v.number_if("_FillValue");
  const double scale = v.number_if("scale_factor").value_or(1.0), offset = v.number_if("add_offset").value_or(0.0);
  AerosolSeasons out;
  std::vector<double> values(g.lat.size() * g.lon.size());
  BoxField boxes;
  for (std::size_t s = 0; s < 17; ++s) {
    v.get({s, 0, 0}, {1, g.lat.size(), g.lon.size()}, std::span<double>(values));
    for (double& x : values)
      x = (fill && x == *fill) ? std::numeric_limits<double>::quiet_NaN() : x * scale + offset;
    regrid.regrid(values, boxes);
    for (int k = 0; k < eng::NGRID; ++k) {
      if (std::isnan(boxes[k]))
        throw rec::Error(v.where() + ": season " + std::to_string(s + 1) + " leaves the 5-degree box of row " +
                         std::to_string(k / eng::NLON + 1) + ", column " + std::to_string(k % eng::NLON + 1) +
                         " without a value; expected a pattern value everywhere");
      out[s][k] = boxes[k];
    }
  }
  return out;
}

}  // namespace imp
