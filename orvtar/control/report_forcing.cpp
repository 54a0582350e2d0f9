#include "orvtar/control/report_forcing.h"

#include "orvtar/control/report_common.h"

namespace orv {

AerosolSeries kept_aerosol(const OrvState& s) { return {s.QAERKEEP, s.QAERDIRKEEP, 1861}; }

ForcingRow forcing_row(const OrvState& s, int i, const AerosolSeries& aerosol) {
  const float qco2 = midyear(s.QCO2, i);
  const float qch4 = midyear(s.QCH4, i);
  const float qn2o = midyear(s.QN2O, i);
  const float qhalo = midyear(s.QHALO, i);
  const float qtropoz = i == 226 ? s.QTROPOZ[226] : midyear(s.QTROPOZ, i);
  const float qbio = midyear(s.QBIO, i);
  const float qch4o3 = midyear(s.QCH4O3, i);
  const float qfoc = midyear(s.QFOC, i);
  const bool sulphate = year_of(i) >= aerosol.first_year;
  const float qaer = sulphate ? midyear(aerosol.QAER, i) : 0.0f;
  const float qaerdir = sulphate ? midyear(aerosol.QAERDIR, i) : 0.0f;

  ForcingRow r;
  r.CO2 = qco2;
  r.CH4tot = qch4 - qch4o3;
  r.N2O = qn2o;
  r.HALOtot = qhalo;
  r.TROPOZ = qtropoz + qch4o3;
  r.SO4DIR = qaerdir - qfoc;
  r.SO4IND = qaer - qaerdir;
  r.BIOAER = qbio;
  r.TOTAL = qco2 + qch4 + qn2o + qhalo + qtropoz + qbio + qaer;
  r.FOCFBC = qfoc;
  r.CH4O3 = qch4o3;
  r.STRATO3 = s.IO3FEED == 0 ? 0.0f : midyear(s.QSTRATO3, i);
  r.MONTDIR = midyear(s.QMONTDIR, i);
  r.QKYOTO = midyear(s.QHALOOTH, i) + midyear(s.QKYOTO, i);
  return r;
}

ForcingRow forcing_change_from_1990(const OrvState& s, int i, const AerosolSeries& aerosol) {
  const ForcingRow a = forcing_row(s, i, aerosol);
  const ForcingRow b = forcing_row(s, 226, aerosol);
  return ForcingRow{a.CO2 - b.CO2,         a.CH4tot - b.CH4tot,   a.N2O - b.N2O,
                    a.HALOtot - b.HALOtot, a.TROPOZ - b.TROPOZ,   a.SO4DIR - b.SO4DIR,
                    a.SO4IND - b.SO4IND,   a.BIOAER - b.BIOAER,   a.TOTAL - b.TOTAL,
                    a.FOCFBC - b.FOCFBC,   a.CH4O3 - b.CH4O3,     a.STRATO3 - b.STRATO3,
                    a.MONTDIR - b.MONTDIR, a.QKYOTO - b.QKYOTO};
}

void write_forcing_row(rec::Unit& out, int year, const ForcingRow& r) {
  out.write(FORCING_TABLE_ROW,
            {year, r.CO2, r.CH4tot, r.N2O, r.HALOtot, r.TROPOZ, r.SO4DIR, r.SO4IND, r.BIOAER,
             r.TOTAL, r.FOCFBC, year, r.CH4O3, r.STRATO3, r.MONTDIR, r.QKYOTO});
}

void write_forcing_header(rec::Unit& out) {
  out.write(FORCING_TABLE_HEADER);
}

namespace {

// The notes under each table's title, then the column header.
void write_notes_and_header(rec::Unit& out, const OrvState& s) {
  out.write("(1X,'(BASED ON MID-YEAR FORCING VALUES : QEXTRA',' NOT INCLUDED)')");
  out.write("(1X,'CH4tot INCLUDES STRATH2O : TROPO3 INCLUDES CH4',' COMPONENT')");
  if (s.IO3FEED == 1) out.write("(1X,'HALOtot INCLUDES STRAT O3')");
  if (s.IO3FEED == 0) out.write("(1X,'HALOtot (AND QTOTAL) DOES NOT INCLUDE STRAT O3')");
  write_forcing_header(out);
}

}  // namespace

void write_forcing_tables(rec::Unit& out, const OrvState& s) {
  const AerosolSeries kept = kept_aerosol(s);
  out.write("(1X,'  ')");
  out.write("(1X,'****************************************************')");
  out.write("(1X,'  ')");
  out.write("(1X,'** GAS BY GAS DELTA-Q FROM 1990 : MIDYEAR VALUES **')");
  write_notes_and_header(out, s);
  stepped_loop(1990, s.IYEND, s.IQSTEP,
               [&](int year) { write_forcing_row(out, year, forcing_change_from_1990(s, year - 1764, kept)); });
  write_forcing_header(out);

  out.write("(1X,'  ')");
  out.write("(1X,'****************************************************')");
  out.write("(1X,'  ')");
  out.write("(1X,'** GAS BY GAS DELTA-Q FROM 1765 : MIDYEAR VALUES **')");
  write_notes_and_header(out, s);
  stepped_loop(1770, s.IYEND, s.IQSTEP,
               [&](int year) { write_forcing_row(out, year, forcing_row(s, year - 1764, kept)); });
  write_forcing_header(out);
}

}  // namespace orv
