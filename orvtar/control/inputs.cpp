#include "orvtar/control/inputs.h"

#include <string>

#include "orvtar/control/input_errors.h"
#include "records/record_io.h"

namespace orv {

void read_co2hist(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  int year = 0;
  for (int i = 0; i <= NHIST; ++i) {
    u.read("(1X,I5,2F10.0)", {year, s.CO2HIST[i], s.CO2HIST2[i]});
    // The carbon cycle divides by the excess over its 31 ppm compensation
    // point and the CO2 forcing takes the logarithm of the concentration.
    if (!(s.CO2HIST[i] > 31.0f)) {
      rec::fail(file, i + 1,
                "CO2 = " + value_text(s.CO2HIST[i]) +
                    " ppm; expected a concentration above 31 ppm");
    }
  }
  u.close();
  // The tropospheric ozone history is scaled by the rise of the second
  // series from 1765 to 1999.
  if (s.CO2HIST2[235] == s.CO2HIST2[1]) {
    rec::fail(file, 236,
              "the second value of 1999 equals that of 1765 (" + value_text(s.CO2HIST2[1]) +
                  "); expected a change from 1765 to 1999");
  }
}

void read_qhalos(OrvState& s, const std::string& file) {
  // IYEND is at most 2504 here, so every index below lies on the year axis.
  for (int i = 0; i <= s.IYEND - 1764; ++i) {
    s.QMONTDIR[i] = 0;
    s.QSTRATO3[i] = 0;
    s.QKYOTO[i] = 0;
    s.QHALOOTH[i] = 0;
    s.QHALO[i] = 0;
  }
  rec::Unit u(file, rec::Status::Old);
  int unused = 0;
  u.read("(1X,2I5)", {s.LASTHALO, unused});
  if (s.LASTHALO > s.IYEND) s.LASTHALO = s.IYEND;
  u.skip();
  u.skip();
  u.skip();
  int year = 0;
  for (int i = 166; i <= s.LASTHALO - 1764; ++i) {
    if (s.IHALO == 2) {
      u.read("(1X,I5,2F10.0,20X,2F10.0)",
             {year, s.QMONTDIR[i], s.QSTRATO3[i], s.QKYOTO[i], s.QHALOOTH[i]});
    } else {
      u.read("(1X,I5,4F10.0)", {year, s.QMONTDIR[i], s.QSTRATO3[i], s.QKYOTO[i], s.QHALOOTH[i]});
    }
  }
  u.close();
}

void read_co2input(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(1X,I5)", {s.LASTCO2});
  // The prescribed series starts in 1990 and must end on the year axis.
  if (s.LASTCO2 < 1990 || s.LASTCO2 > LASTYEAR) {
    rec::fail(file, 1,
              "last year " + std::to_string(s.LASTCO2) + "; expected 1990 to " +
                  std::to_string(LASTYEAR));
  }
  s.LASTCO2IX = s.LASTCO2 - 1764;
  int year = 0;
  for (int i = 226; i <= s.LASTCO2IX; ++i) {
    u.read("(1X,I5,F10.0)", {year, s.CO2IN[i]});
    // The CO2 forcing takes the logarithm of every concentration of the run.
    if (i <= s.IYEND - 1764 && !(s.CO2IN[i] > 0.0f)) {
      rec::fail(file, u.records(),
                "CO2 = " + value_text(s.CO2IN[i]) + " ppm; expected a concentration above 0");
    }
  }
  u.close();
  if (s.LASTCO2 < s.IYEND) {
    for (int i = s.LASTCO2IX + 1; i <= s.IYEND - 1764; ++i) s.CO2IN[i] = s.CO2IN[s.LASTCO2IX];
  }
}

void read_qextra(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(1X,I5)", {s.NQCOL});
  u.read("(1X,2I5)", {s.IQY1, s.IQY2});
  if (s.IQY1 > LASTYEAR || s.IQY2 > LASTYEAR) {
    rec::fail(file, 2,
              "years " + std::to_string(s.IQY1) + " to " + std::to_string(s.IQY2) +
                  "; expected years up to " + std::to_string(LASTYEAR));
  }
  const bool layout = s.NQCOL == 1 || s.NQCOL == 2 || s.NQCOL == 4;
  s.IQX1 = s.IQY1 - 1764;
  int year = 0;
  if (s.IQX1 < 1) {
    // Years before the model start are read and discarded.
    float v[4] = {};
    for (int y = s.IQY1; y <= 1764 && layout; ++y) {
      if (s.NQCOL == 1) {
        u.read("(1X,I5,F10.0)", {year, v[0]});
      } else if (s.NQCOL == 2) {
        u.read("(1X,I5,2F10.0)", {year, v[0], v[1]});
      } else {
        u.read("(1X,I5,4F10.0)", {year, v[0], v[1], v[2], v[3]});
      }
    }
    s.IQX1 = 1;
    s.IQY1 = 1765;
  }
  s.IQX2 = s.IQY2 - 1764;
  for (int i = s.IQX1; i <= s.IQX2 && layout; ++i) {
    if (s.NQCOL == 1) {
      u.read("(1X,I5,F10.0)", {year, s.QEXG[i]});
      const float q = (s.QEXG[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHO[i] = q;
      s.QEXNHL[i] = q;
      s.QEXSHO[i] = q;
      s.QEXSHL[i] = q;
    } else if (s.NQCOL == 2) {
      u.read("(1X,I5,2F10.0)", {year, s.QEXNH[i], s.QEXSH[i]});
      s.QEXNHO[i] = (s.QEXNH[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHL[i] = s.QEXNHO[i];
      s.QEXSHO[i] = (s.QEXSH[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHL[i] = s.QEXSHO[i];
    } else {
      u.read("(1X,I5,4F10.0)", {year, s.QEXNHO[i], s.QEXNHL[i], s.QEXSHO[i], s.QEXSHL[i]});
      s.QEXNHO[i] = (s.QEXNHO[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXNHL[i] = (s.QEXNHL[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHO[i] = (s.QEXSHO[i] - s.QOFFSET) * s.QFACTOR;
      s.QEXSHL[i] = (s.QEXSHL[i] - s.QOFFSET) * s.QFACTOR;
    }
  }
  u.close();
  // The year before the first one takes the first year's values.
  s.QEXNHO[s.IQX1 - 1] = s.QEXNHO[s.IQX1];
  s.QEXNHL[s.IQX1 - 1] = s.QEXNHL[s.IQX1];
  s.QEXSHO[s.IQX1 - 1] = s.QEXSHO[s.IQX1];
  s.QEXSHL[s.IQX1 - 1] = s.QEXSHL[s.IQX1];
}

}  // namespace orv
