#include "engines/common/field_writer.h"

#include <cmath>

#include "records/record_io.h"

namespace eng {

int missing_code(Encoding e) { return e == Encoding::Model ? 999999 : -9999; }

int encode(double v, Encoding e) {
  if (!valid(v)) return missing_code(e);
  return static_cast<int>(std::lround(v * (e == Encoding::ObsTenths ? 10.0 : 100.0)));
}

void write_grid_file(const std::string& path, const std::array<double, NGRID>& f, Encoding e,
                     const std::string& id) {
  std::array<int, NGRID> v;
  for (int k = 0; k < NGRID; ++k) v[k] = encode(f[k], e);
  rec::Unit u(path, rec::Status::Unknown);
  u.write("(A5)", {id});
  u.write("(16I6)", {v});
}

void write_aerosol_file(const std::string& path, const std::array<std::array<double, NGRID>, 3>& p,
                        const std::array<std::string, 3>& headers) {
  rec::Unit u(path, rec::Status::Unknown);
  for (int b = 0; b < 3; ++b) {
    std::array<int, NGRID> v;
    for (int k = 0; k < NGRID; ++k) v[k] = static_cast<int>(std::lround(p[b][k] * 100.0));
    u.write("(1X,A)", {headers[b]});
    u.write("(16I7)", {v});
  }
}

}  // namespace eng
