#include "orvtar/control/report_temperature_table.h"

#include <cmath>

#include "orvtar/control/report_common.h"

namespace orv {

namespace {

// Every column any layout prints, for one row.
struct TempColumns {
  float DELTAQ, EQVCO2, TEQU, TEMP, EXPN, GLAC, GREENL, ANTAR, ZXTRA, MSLTOT;
  float TNH, TSH, TLAND, TOCN, TLTO, TEQT, TDEEP, WNH, WSH;
};

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

void write_header(rec::Unit& out, int layout) {
  switch (layout) {
    case 1:
      out.write("(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT   TNH   TSH   WNH   WSH  YEAR')");
      break;
    case 2:
      out.write("(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TLAND  TOCN TL/TO   WNH   WSH','  YEAR')");
      break;
    case 3:
      out.write("(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR')");
      break;
    case 4:
      out.write("(1X,' YEAR  EQVCO2   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR')");
      break;
    case 5:
      out.write("(1X,' YEAR  DELTAQ     TEMP  TL/TO  MSLTOT   EXPN   GLAC',' GREENL  ANTAR Z-XTRA   WNH  YEAR')");
      break;
    default:
      break;
  }
}

void write_to1990(rec::Unit& out, int layout, const TempColumns& c) {
  switch (layout) {
    case 1:
      out.write("('TO1990 ',F7.3,F7.3,F7.4,6F7.2,2F6.3,2F6.2)",
                {c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA, c.MSLTOT,
                 c.TNH, c.TSH, c.WNH, c.WSH});
      break;
    case 2:
      out.write("('TO1990 ',F7.3,F7.3,F7.4,6F7.2,3F6.3,2F6.2)",
                {c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA, c.MSLTOT,
                 c.TLAND, c.TOCN, c.TLTO, c.WNH, c.WSH});
      break;
    case 3:
      out.write("('TO1990 ',F7.3,F7.3,F7.4,6F7.2,2F6.3,2F6.2)",
                {c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA, c.MSLTOT,
                 c.TEQT, c.TDEEP, c.WNH, c.WSH});
      break;
    case 4:
      out.write("('TO1990 ',F7.1,F7.3,F7.4,6F7.2,2F6.3,2F6.2)",
                {c.EQVCO2, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA, c.MSLTOT,
                 c.TEQT, c.TDEEP, c.WNH, c.WSH});
      break;
    case 5:
      out.write("('TO1990 ',F7.3,F9.5,F7.3,F8.3,5F7.2,F6.2)",
                {c.DELTAQ, c.TEMP, c.TLTO, c.MSLTOT, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA,
                 c.WNH});
      break;
    default:
      break;
  }
}

void write_row(rec::Unit& out, int layout, int year, const TempColumns& c) {
  switch (layout) {
    case 1:
      out.write("(1X,I5,F8.4,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)",
                {year, c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA,
                 c.MSLTOT, c.TNH, c.TSH, c.WNH, c.WSH, year});
      break;
    case 2:
      out.write("(1X,I5,F8.4,F7.3,F7.4,6F7.2,3F6.3,2F6.2,I6)",
                {year, c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA,
                 c.MSLTOT, c.TLAND, c.TOCN, c.TLTO, c.WNH, c.WSH, year});
      break;
    case 3:
      out.write("(1X,I5,F8.4,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)",
                {year, c.DELTAQ, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA,
                 c.MSLTOT, c.TEQT, c.TDEEP, c.WNH, c.WSH, year});
      break;
    case 4:
      out.write("(1X,I5,F8.2,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)",
                {year, c.EQVCO2, c.TEQU, c.TEMP, c.EXPN, c.GLAC, c.GREENL, c.ANTAR, c.ZXTRA,
                 c.MSLTOT, c.TEQT, c.TDEEP, c.WNH, c.WSH, year});
      break;
    case 5:
      out.write("(1X,I5,F8.4,F9.5,F7.3,F8.3,5F7.2,F6.2,I6)",
                {year, c.DELTAQ, c.TEMP, c.TLTO, c.MSLTOT, c.EXPN, c.GLAC, c.GREENL, c.ANTAR,
                 c.ZXTRA, c.WNH, year});
      break;
    default:
      break;
  }
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
  out.write("(/,1X,'** TEMPERATURE AND SEA LEVEL CHANGES FROM',I5,' **')", {s.IREFYR});
  out.write("(1X,'     (FIRST LINE GIVES 1765-1990 CHANGES : ','ALL VALUES ARE MID-YEAR TO MID-YEAR)')");
  if (s.IVARW >= 1) {
    out.write("(/,1X,'DT2X =',F5.2,' : VARIABLE W')", {s.DT2X});
  } else {
    out.write("(/,1X,'DT2X =',F5.2,' : CONSTANT W')", {s.DT2X});
  }
  switch (s.ICASE) {
    case 1: out.write("(/,1X,'LOW CLIMATE AND SEA LEVEL MODEL PARAMETERS')"); break;
    case 2: out.write("(/,1X,'MID CLIMATE AND SEA LEVEL MODEL PARAMETERS')"); break;
    case 3: out.write("(/,1X,'HIGH CLIMATE AND SEA LEVEL MODEL PARAMETERS')"); break;
    case 4: out.write("(/,1X,'USER CLIMATE AND SEA LEVEL MODEL PARAMETERS')"); break;
    default: break;
  }

  const int layout = s.ITEMPTAB;
  write_header(out, layout);
  write_to1990(out, layout, values_1990(s));
  if (layout >= 1 && layout <= 5) {
    const int base = table_base(s.IPRTSTEP);
    for (int i = 1; i <= s.NYEND; ++i) {
      const int year = year_of(i);
      if (table_year_printed(year, s.IPRTYR1, s.IPRTSTEP, base))
        write_row(out, layout, year, changes(s, i));
    }
  }
  write_header(out, layout);
  out.write("(1X,'  ')");
}

}  // namespace orv
