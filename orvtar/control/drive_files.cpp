#include "orvtar/control/drive_files.h"

#include <algorithm>
#include <string>

#include "orvtar/control/display_layouts.h"
#include "orvtar/control/report_common.h"
#include "records/record_io.h"

namespace orv {

float aerosol_ratio(float total, float ghg, float reg1, float reg2, float reg3) {
  const float aer = total - ghg;
  const float reg = reg1 + reg2 + reg3;
  if (reg == 0.0f) return 1.0f;
  return std::clamp(aer / reg, 0.0f, 2.0f);
}

namespace {

// RATIO, RSMOOTH and TSCL of one parameter set, by year index 197 .. NYEND.
struct ScaledRegions {
  float RATIO[NY] = {};
  float RSMOOTH[NY] = {};
  float TSCL[6][NDRV] = {};  // k = 3..5, y = i - 196
};

void scale_regions(const OrvState& s, const ResultStores& k, int p, ScaledRegions& r) {
  const int n = s.NYEND;
  for (int i = 197; i <= n; ++i) {
    const int y = i - 196;
    r.RATIO[i] = aerosol_ratio(k.TDRV[1][p][y], k.TDRV[2][p][y], k.TDRV[3][p][y],
                               k.TDRV[4][p][y], k.TDRV[5][p][y]);
  }
  // Seven-year running mean; the three years at each end keep their ratio.
  for (int i = 197; i <= n; ++i) {
    if (i >= 200 && i <= n - 3) {
      float sum = 0.0f;
      for (int j = i - 3; j <= i + 3; ++j) sum += r.RATIO[j];
      r.RSMOOTH[i] = sum / 7.0f;
    } else {
      r.RSMOOTH[i] = r.RATIO[i];
    }
  }
  for (int i = 197; i <= n; ++i) {
    const int y = i - 196;
    for (int c = 3; c <= 5; ++c) r.TSCL[c][y] = k.TDRV[c][p][y] * r.RSMOOTH[i];
  }
}

void write_head(rec::Unit& out, const OrvState& s, const ResultStores& k, int p) {
  out.write(drive_files::PROFILE, {s.PROFILE});
  out.write(drive_files::PARAMETER_SET[p]);
  out.write(drive_files::HEADER);
  out.write(drive_files::REF_T, {k.TAVG[p]});
}

}  // namespace

void write_drive_files(const OrvState& s, const ResultStores& k) {
  using namespace drive_files;
  rec::Unit raw[5], scaled[5];
  for (int p = 1; p <= 4; ++p) {
    raw[p].open(file_name(p, RAW), rec::Status::Output);
    scaled[p].open(file_name(p, SCALED), rec::Status::Output);
  }
  ScaledRegions r;
  for (int p = 1; p <= 4; ++p) {
    scale_regions(s, k, p, r);
    write_head(raw[p], s, k, p);
    write_head(scaled[p], s, k, p);
    for (int y = 1; y <= s.NYEND - 196; ++y) {
      const int year = 1960 + y;
      const auto& t = k.TDRV;
      raw[p].write(ROW, {year, t[2][p][y], t[3][p][y], t[4][p][y], t[5][p][y], t[1][p][y]});
      scaled[p].write(ROW,
                      {year, t[2][p][y], r.TSCL[3][y], r.TSCL[4][y], r.TSCL[5][y], t[1][p][y]});
    }
  }
  for (int p = 1; p <= 4; ++p) {
    raw[p].close();
    scaled[p].close();
  }
}

}  // namespace orv
