#include "orvtar/control/report_temperature_table.h"

#include <cmath>
#include <optional>
#include <vector>

#include "orvtar/control/report_common.h"
#include "orvtar/control/temperature_table_layout.h"

namespace orv {

namespace {

// Land/ocean warming ratio of year index i; 9.999 where the ocean has not
// warmed.
float land_ocean_ratio(const OrvState& s, int i) {
  return s.TOCN[i] == 0.0f ? 9.999f : s.TLAND[i] / s.TOCN[i];
}

float equivalent_co2(const OrvState& s, int i) {
  return s.CO2HIST[1] * std::exp(s.QGLOB[i] / s.QCO2C);
}

// A year row: changes from the reference year IREFIX.
TempColumns changes(const OrvState& s, int i) {
  const int r = s.IREFIX;
  TempColumns c;
  const float dtemp = s.TEMP[i] - s.TEMP[r];
  c.DELTAQ = s.QGLOB[i] - s.QGLOB[r];
  c.EQVCO2 = equivalent_co2(s, i);
  c.TEQU = s.TEQU[i] - s.TEQU[r];
  c.TEMP = dtemp + s.TOFFSET;
  c.EXPN = s.EXPN[i] - s.EXPN[r];
  c.GLAC = s.GLAC[i] - s.GLAC[r];
  c.GREENL = s.GREENL[i] - s.GREENL[r];
  c.ANTAR = s.ANTAR[i] - s.ANTAR[r];
  c.ZXTRA = s.ZXTRA[i] - s.ZXTRA[r];
  c.MSLTOT = s.MSLTOT[i] - s.MSLTOT[r];
  c.TNH = s.TNH[i] - s.TNH[r];
  c.TSH = s.TSH[i] - s.TSH[r];
  c.TLAND = s.TLAND[i] - s.TLAND[r];
  c.TOCN = s.TOCN[i] - s.TOCN[r];
  c.TLTO = land_ocean_ratio(s, i);
  c.TEQT = c.TEQU - dtemp;
  c.TDEEP = s.TDEEP[i] - s.TDEEP[r];
  c.WNH = s.WNH[i];
  c.WSH = s.WSH[i];
  return c;
}

// The "TO1990" line: the 1990 values themselves, i.e. the changes since
// 1765.
TempColumns values_1990(const OrvState& s) {
  constexpr int i = 226;
  TempColumns c;
  c.DELTAQ = s.QGLOB[i];
  c.EQVCO2 = equivalent_co2(s, i);
  c.TEQU = s.TEQU[i];
  c.TEMP = s.TEMP[i];
  c.EXPN = s.EXPN[i];
  c.GLAC = s.GLAC[i];
  c.GREENL = s.GREENL[i];
  c.ANTAR = s.ANTAR[i];
  c.ZXTRA = s.ZXTRA[i];
  c.MSLTOT = s.MSLTOT[i];
  c.TNH = s.TNH[i];
  c.TSH = s.TSH[i];
  c.TLAND = s.TLAND[i];
  c.TOCN = s.TOCN[i];
  c.TLTO = land_ocean_ratio(s, i);
  c.TEQT = s.TEQU[i] - s.TEMP[i];
  c.TDEEP = s.TDEEP[i];
  c.WNH = s.WNH[i];
  c.WSH = s.WSH[i];
  return c;
}

// The layout's columns of `c` as the items of a write statement, between
// the years of a row when `year` is given.
std::vector<rec::Out> items_of(const temperature_table::Layout& layout, const TempColumns& c,
                               std::optional<int> year) {
  std::vector<rec::Out> items;
  if (year) items.emplace_back(*year);
  for (TempColumn m : layout.columns) items.emplace_back(c.*m);
  if (year) items.emplace_back(*year);
  return items;
}

}  // namespace

int table_base(int iprtstep) {
  // 225 / IPRTSTEP is the whole number of steps that fit between 1765 and
  // 1990 (integer division); the 0.01 guards the truncation.
  const int steps = static_cast<int>(static_cast<float>(225 / iprtstep) + 0.01f);
  return 1990 - steps * iprtstep;
}

bool table_year_printed(int year, int iprtyr1, int iprtstep, int base) {
  if (year < iprtyr1) return false;
  if (year == iprtyr1 || year == 1990) return true;
  const float r = (static_cast<float>(year - base) + 0.01f) / static_cast<float>(iprtstep);
  return r > 0.0f && r - std::trunc(r) < 0.02f;
}

void write_temperature_table(rec::Unit& out, const OrvState& s) {
  using namespace temperature_table;
  out.write(TITLE, {s.IREFYR});
  out.write("(1X,'     (FIRST LINE GIVES 1765-1990 CHANGES : ','ALL VALUES ARE MID-YEAR TO MID-YEAR)')");
  if (s.IVARW >= 1) {
    out.write("(/,1X,'DT2X =',F5.2,' : VARIABLE W')", {s.DT2X});
  } else {
    out.write("(/,1X,'DT2X =',F5.2,' : CONSTANT W')", {s.DT2X});
  }
  if (s.ICASE >= 1 && s.ICASE <= 4) out.write(PARAMETER_SET[s.ICASE]);

  if (has_layout(s.ITEMPTAB)) {
    const Layout& layout = LAYOUTS[s.ITEMPTAB];
    out.write(layout.header);
    out.write(layout.to1990, items_of(layout, values_1990(s), std::nullopt));
    const int base = table_base(s.IPRTSTEP);
    for (int i = 1; i <= s.NYEND; ++i) {
      const int year = year_of(i);
      if (table_year_printed(year, s.IPRTYR1, s.IPRTSTEP, base))
        out.write(layout.row, items_of(layout, changes(s, i), year));
    }
    out.write(layout.header);
  }
  out.write("(1X,'  ')");
}

}  // namespace orv
