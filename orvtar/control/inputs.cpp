#include "orvtar/control/inputs.h"

#include <string>

#include "orvtar/control/input_bounds.h"
#include "orvtar/control/input_errors.h"
#include "records/record_io.h"

namespace orv {

Co2History read_co2hist(const std::string& file) {
  Co2History h;
  rec::Unit u(file, rec::Status::Old);
  int year = 0;
  for (int i = 0; i <= NHIST; ++i) {
    u.read("(1X,I5,2F10.0)", {year, h.CO2HIST[i], h.CO2HIST2[i]});
    // The bound also keeps the carbon cycle's division by the excess over
    // its 31 ppm compensation point and the CO2 forcing's logarithm finite.
    check_input_value(file, i + 1, co2hist_table(), 1, h.CO2HIST[i]);
    check_input_value(file, i + 1, co2hist_table(), 2, h.CO2HIST2[i]);
  }
  u.close();
  // The tropospheric ozone history is scaled by the rise of the second
  // series from 1765 to 1999.
  if (h.CO2HIST2[235] == h.CO2HIST2[1]) {
    rec::fail(file, 236,
              "the second value of 1999 equals that of 1765 (" + value_text(h.CO2HIST2[1]) +
                  "); expected a change from 1765 to 1999");
  }
  return h;
}

void use_co2_history(OrvState& s, const Co2History& h) {
  for (int i = 0; i <= NHIST; ++i) {
    s.CO2HIST[i] = h.CO2HIST[i];
    s.CO2HIST2[i] = h.CO2HIST2[i];
  }
}

HalocarbonForcing read_qhalos(int IHALO, int IYEND, const std::string& file) {
  HalocarbonForcing h;
  rec::Unit u(file, rec::Status::Old);
  int unused = 0;
  u.read("(1X,2I5)", {h.LASTHALO, unused});
  if (h.LASTHALO > IYEND) h.LASTHALO = IYEND;
  u.skip();
  u.skip();
  u.skip();
  int year = 0;
  // Where the four values read stand in the record.
  const int position[4] = {1, 2, IHALO == 2 ? 5 : 3, IHALO == 2 ? 6 : 4};
  for (int i = 166; i <= h.LASTHALO - 1764; ++i) {
    if (IHALO == 2) {
      u.read("(1X,I5,2F10.0,20X,2F10.0)",
             {year, h.QMONTDIR[i], h.QSTRATO3[i], h.QKYOTO[i], h.QHALOOTH[i]});
    } else {
      u.read("(1X,I5,4F10.0)", {year, h.QMONTDIR[i], h.QSTRATO3[i], h.QKYOTO[i], h.QHALOOTH[i]});
    }
    const float value[4] = {h.QMONTDIR[i], h.QSTRATO3[i], h.QKYOTO[i], h.QHALOOTH[i]};
    for (int k = 0; k < 4; ++k) check_input_value(file, u.records(), qhalos_table(), position[k], value[k]);
  }
  u.close();
  return h;
}

void use_halocarbon_forcing(OrvState& s, const HalocarbonForcing& h) {
  // IYEND is at most 2504 here, so every index below lies on the year axis.
  for (int i = 0; i <= s.IYEND - 1764; ++i) {
    s.QMONTDIR[i] = h.QMONTDIR[i];
    s.QSTRATO3[i] = h.QSTRATO3[i];
    s.QKYOTO[i] = h.QKYOTO[i];
    s.QHALOOTH[i] = h.QHALOOTH[i];
    s.QHALO[i] = 0;
  }
  s.LASTHALO = h.LASTHALO;
}

PrescribedCo2 read_co2input(int IYEND, const std::string& file) {
  PrescribedCo2 c;
  rec::Unit u(file, rec::Status::Old);
  u.read("(1X,I5)", {c.LASTCO2});
  // The prescribed series starts in 1990 and must end on the year axis.
  if (c.LASTCO2 < 1990 || c.LASTCO2 > LASTYEAR) {
    rec::fail(file, 1,
              "last year " + std::to_string(c.LASTCO2) + "; expected 1990 to " +
                  std::to_string(LASTYEAR));
  }
  const int last = c.LASTCO2 - 1764;
  int year = 0;
  for (int i = 226; i <= last; ++i) {
    u.read("(1X,I5,F10.0)", {year, c.CO2IN[i]});
    // The bound also keeps the CO2 forcing's logarithm finite.
    check_input_value(file, u.records(), co2input_table(), 1, c.CO2IN[i]);
  }
  u.close();
  for (int i = last + 1; i <= IYEND - 1764; ++i) c.CO2IN[i] = c.CO2IN[last];
  return c;
}

void use_prescribed_co2(OrvState& s, const PrescribedCo2& c) {
  s.LASTCO2 = c.LASTCO2;
  s.LASTCO2IX = c.LASTCO2 - 1764;
  for (int i = 0; i < NY; ++i) s.CO2IN[i] = c.CO2IN[i];
}

ExtraForcing read_qextra(const std::string& file) {
  ExtraForcing e;
  rec::Unit u(file, rec::Status::Old);
  u.read("(1X,I5)", {e.NQCOL});
  u.read("(1X,2I5)", {e.IQY1, e.IQY2});
  if (e.IQY1 > LASTYEAR || e.IQY2 > LASTYEAR) {
    rec::fail(file, 2,
              "years " + std::to_string(e.IQY1) + " to " + std::to_string(e.IQY2) +
                  "; expected years up to " + std::to_string(LASTYEAR));
  }
  const bool layout = e.NQCOL == 1 || e.NQCOL == 2 || e.NQCOL == 4;
  // One record of the layout into element i of the columns.
  auto read_record = [&](int i) {
    int year = 0;
    if (e.NQCOL == 1) {
      u.read("(1X,I5,F10.0)", {year, e.column[0][i]});
    } else if (e.NQCOL == 2) {
      u.read("(1X,I5,2F10.0)", {year, e.column[0][i], e.column[1][i]});
    } else {
      u.read("(1X,I5,4F10.0)", {year, e.column[0][i], e.column[1][i], e.column[2][i], e.column[3][i]});
    }
    for (int k = 0; k < e.NQCOL; ++k) check_input_value(file, u.records(), qextra_table(), k + 1, e.column[k][i]);
  };
  e.IQX1 = e.IQY1 - 1764;
  if (e.IQX1 < 1) {
    // Years before the model start are read and discarded.
    for (int y = e.IQY1; y <= 1764 && layout; ++y) read_record(0);
    e.IQX1 = 1;
    e.IQY1 = 1765;
  }
  e.IQX2 = e.IQY2 - 1764;
  for (int i = e.IQX1; i <= e.IQX2 && layout; ++i) read_record(i);
  u.close();
  return e;
}

void use_extra_forcing(OrvState& s, const ExtraForcing& e) {
  s.NQCOL = e.NQCOL;
  s.IQY1 = e.IQY1;
  s.IQY2 = e.IQY2;
  s.IQX1 = e.IQX1;
  s.IQX2 = e.IQX2;
  const bool layout = e.NQCOL == 1 || e.NQCOL == 2 || e.NQCOL == 4;
  for (int i = e.IQX1; i <= e.IQX2 && layout; ++i) {
    if (e.NQCOL == 1) {
      s.QEXG[i] = e.column[0][i];
      const float q = (s.QEXG[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHO[i] = q;
      s.QEXNHL[i] = q;
      s.QEXSHO[i] = q;
      s.QEXSHL[i] = q;
    } else if (e.NQCOL == 2) {
      s.QEXNH[i] = e.column[0][i];
      s.QEXSH[i] = e.column[1][i];
      s.QEXNHO[i] = (s.QEXNH[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHL[i] = s.QEXNHO[i];
      s.QEXSHO[i] = (s.QEXSH[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHL[i] = s.QEXSHO[i];
    } else {
      s.QEXNHO[i] = (e.column[0][i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHL[i] = (e.column[1][i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHO[i] = (e.column[2][i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHL[i] = (e.column[3][i] - s.QOFFSET) * s.QFACTOR;
    }
  }
  // The year before the first one takes the first year's values.
  s.QEXNHO[e.IQX1 - 1] = s.QEXNHO[e.IQX1];
  s.QEXNHL[e.IQX1 - 1] = s.QEXNHL[e.IQX1];
  s.QEXSHO[e.IQX1 - 1] = s.QEXSHO[e.IQX1];
  s.QEXSHL[e.IQX1 - 1] = s.QEXSHL[e.IQX1];
}

}  // namespace orv
