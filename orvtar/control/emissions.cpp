#include "orvtar/control/emissions.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "orvtar/control/input_bounds.h"
#include "orvtar/control/input_errors.h"
#include "records/record_io.h"

namespace orv {
namespace {

// Column c of the profile records as INTERP's Y(1..N).
void column(const OrvState& s, int c, float (&Y)[MAXEMK + 1]) {
  for (int j = 1; j <= s.NEMK; ++j) Y[j] = s.EMKV[j][c];
}

// The CH4 and N2O emissions after the budget offsets and the global SO2
// emission after the 1990 base, record by record: each is a whole source
// and must not be negative. A negative CH4 or N2O source drains the gas's
// burden through zero, where its lifetime (a power of the burden) and its
// forcing (square roots and logarithms) are no numbers; a negative SO2
// source has no meaning and, below -ESNAT, no aerosol forcing either.
// Linear interpolation between records that pass keeps every year at 0 or
// above too.
void check_sources(const OrvState& s, const EmissionsProfile& p) {
  // The CH4 reference cases run with their own lifetimes' offsets; the
  // smallest one decides.
  const float DCH4MIN = std::min({s.DCH4[1], s.DCH4[2], s.DCH4[3], s.DCH4SEL});
  const long first = 5;
  for (int j = 1; j <= s.NEMK; ++j) {
    const std::string year = std::to_string(p.IYR[j]);
    const float ch4 = p.EMKV[j][3] + DCH4MIN;
    if (!(ch4 >= 0.0f)) {
      rec::fail(p.file, first + j,
                "the CH4 source of " + year + ", the profile's " + value_text(p.EMKV[j][3]) +
                    " TgCH4/yr plus the budget offset " + value_text(DCH4MIN) +
                    " TgCH4/yr (the natural source that closes the 2000 budget of CH4C90 and CH4DC90 of "
                    "ORVGAS.CFG with the longest of its CH4 lifetimes, less the second record's emission), is " +
                    value_text(ch4) +
                    " TgCH4/yr; expected 0 or more: a negative source drains the CH4 burden through zero");
    }
    if (!(s.EMKV[j][4] >= 0.0f)) {
      rec::fail(p.file, first + j,
                "the N2O source of " + year + ", the profile's " + value_text(p.EMKV[j][4]) +
                    " TgN/yr plus the budget offset " + value_text(s.DN2O) +
                    " TgN/yr (the natural source that closes the 2000 budget of N2OC90, N2ODC90 and TAUN2O of "
                    "ORVGAS.CFG, less the second record's emission), is " +
                    value_text(s.EMKV[j][4]) +
                    " TgN/yr; expected 0 or more: a negative source drains the N2O burden through zero");
    }
    if (!(s.EMKTOT[j] >= 0.0f)) {
      rec::fail(p.file, first + j,
                "the global SO2 emission of " + year + ", ES1990 = " + value_text(s.ES1990) +
                    " TgS/yr (ORVXTRA.CFG) plus the three regional changes, is " + value_text(s.EMKTOT[j]) +
                    " TgS/yr; expected 0 or more: ES1990 must be the profile's own 1990 emission");
    }
  }
}

}  // namespace

void INTERP(int N, int IOFF, const int (&X)[MAXEMK + 1], const float (&Y)[MAXEMK + 1],
            float (&OUT)[NY], int NYEND) {
  const int LASTIX = IOFF + X[N];
  // Year t (0 to X(N) - 1) takes the last interval j with X(j) <= t <
  // X(j+1): visiting the intervals in order, each writing its own years,
  // leaves the same values as searching every interval for each year, in
  // time proportional to the years plus the records.
  for (int j = 1; j <= N - 1; ++j) {
    const int last = std::min(X[j + 1], X[N]) - 1;
    for (int t = std::max(X[j], 0); t <= last; ++t) {
      OUT[IOFF + t] = Y[j] + (Y[j + 1] - Y[j]) * static_cast<float>(t - X[j]) /
                                 static_cast<float>(X[j + 1] - X[j]);
    }
  }
  OUT[LASTIX] = Y[N];
  if (X[N] < NYEND - IOFF) {
    for (int i = LASTIX + 1; i <= NYEND; ++i) OUT[i] = Y[N];
  }
}

EmissionsProfile read_gasemk(const std::string& file) {
  EmissionsProfile p;
  p.file = file;
  rec::Unit u(file, rec::Status::Old);
  u.read("(I2)", {p.NEMK});
  if (p.NEMK < 1 || p.NEMK > MAXEMK - 1) {
    rec::fail(file, 1,
              "NEMK = " + std::to_string(p.NEMK) + "; expected 1 to " +
                  std::to_string(MAXEMK - 1) + " data records");
  }
  std::string profile(20, ' ');
  u.read("(a)", {profile});
  profile.copy(p.PROFILE, 20);
  p.PROFILE[20] = '\0';
  u.skip();
  u.skip();
  u.skip();
  for (int j = 1; j <= p.NEMK; ++j) {
    u.read("(1X,I5,18F10.0)", {p.IYR[j], rec::slice(p.EMKV[j], 1, 18)});
    for (int c = 1; c <= 18; ++c) check_input_value(file, u.records(), gasemk_table(), c, p.EMKV[j][c]);
  }
  u.close();
  // The last record's year is written into every series; it must lie on
  // the year axis.
  if (p.IYR[p.NEMK] < 1764 || p.IYR[p.NEMK] > LASTYEAR) {
    rec::fail(file, 5 + p.NEMK,
              "last profile year " + std::to_string(p.IYR[p.NEMK]) + "; expected 1764 to " +
                  std::to_string(LASTYEAR));
  }
  return p;
}

void build_emissions(OrvState& s, const EmissionsProfile& p) {
  const std::string& file = p.file;
  s.NEMK = p.NEMK;
  std::copy(std::begin(p.PROFILE), std::end(p.PROFILE), s.PROFILE);
  std::copy(std::begin(p.IYR), std::end(p.IYR), s.IYR);
  std::copy(&p.EMKV[0][0], &p.EMKV[0][0] + std::size(p.EMKV) * std::size(p.EMKV[0]), &s.EMKV[0][0]);
  for (int j = 1; j <= s.NEMK; ++j) {
    // The SO2 columns are changes from 1990: add the base to each region,
    // and count it once in the total.
    s.EMKV[j][8] += s.ES1990;
    s.EMKV[j][9] += s.ES1990;
    s.EMKV[j][10] += s.ES1990;
    s.EMKTOT[j] = s.EMKV[j][8] + s.EMKV[j][9] + s.EMKV[j][10] - 2.0f * s.ES1990;
  }
  const long lastrec = 5 + s.NEMK;

  // Last year of the run: limited by the profile unless CO2 is prescribed.
  if (s.ICO2CONC == 0) {
    if (s.IYEND > 2504) s.IYEND = 2504;
    if (s.IYEND > s.IYR[s.NEMK]) s.IYEND = s.IYR[s.NEMK];
    if (s.IYEND < 2000) {
      rec::fail(file, lastrec,
                "the profile ends in " + std::to_string(s.IYR[s.NEMK]) +
                    ", which ends the run before 2000 (ICO2CONC = 0); expected a last profile "
                    "year of 2000 or later");
    }
  }
  s.NYEND = s.IYEND - 1764;
  s.IREFIX = s.IREFYR - 1764;
  s.TEND = static_cast<float>(s.NYEND - 1);
  if (s.IREFYR < 1765 || s.IREFYR > s.IYEND) {
    rec::fail("ORVUSER.CFG", 8,
              "IREFYR = " + std::to_string(s.IREFYR) + "; expected a reference year from 1765 to " +
                  "the last year of the run, " + std::to_string(s.IYEND));
  }

  for (int j = 1; j <= s.NEMK; ++j) s.IYR[j] -= 1990;

  // Budget offsets: the natural emissions that close the CH4 and N2O
  // budgets, relative to the profile's second record.
  const auto CH4BUDE = [&s](float T) {
    return (s.CH4C90 / s.TAUOTHER + s.CH4C90 / T + s.CH4DC90) * s.CH4CONV;
  };
  const float tau[5] = {0, s.TAUCH4M - s.DTAUCH4, s.TAUCH4M, s.TAUCH4M + s.DTAUCH4, s.TAUCH4U};
  for (int c = 1; c <= 4; ++c) s.DCH4[c] = CH4BUDE(tau[c]) - s.EMKV[2][3];
  s.DCH4SEL = s.DCH4[s.LEVCH4];
  s.TAUCH4SEL = tau[s.LEVCH4];
  s.DN2O = (s.N2OC90 / s.TAUN2O + s.N2ODC90) * s.N2OCONV - s.EMKV[2][4];
  for (int j = 1; j <= s.NEMK; ++j) {
    s.EMKV[j][3] += s.DCH4SEL;
    s.EMKV[j][4] += s.DN2O;
  }
  check_sources(s, p);

  // Annual series, in this order.
  float Y[MAXEMK + 1] = {};
  const auto interp_column = [&s, &Y](int c, float(&OUT)[NY]) {
    column(s, c, Y);
    INTERP(s.NEMK, 226, s.IYR, Y, OUT, s.NYEND);
  };
  interp_column(1, s.EFOSS);
  interp_column(2, s.NETDEF);
  interp_column(3, s.EMCH4);
  interp_column(4, s.EMN2O);
  interp_column(5, s.ENOX);
  interp_column(6, s.EVOC);
  interp_column(7, s.ECO);
  s.ECO90 = s.ECO[226];
  INTERP(s.NEMK, 226, s.IYR, s.EMKTOT, s.SO2TOT, s.NYEND);
  interp_column(8, s.SO2REG1);
  interp_column(9, s.SO2REG2);
  interp_column(10, s.SO2REG3);
  interp_column(11, s.EMK11);
  interp_column(12, s.EMK12);
  interp_column(13, s.EMK13);
  interp_column(14, s.EMK14);
  interp_column(15, s.EMK15);
  interp_column(16, s.EMK16);
  interp_column(17, s.EMK17);
  interp_column(18, s.EMK18);

  // The fossil OC+BC forcing scaled with CO divides by the 1990 emission.
  if (s.IFOCSC == 2 && s.ECO90 == 0.0f) {
    rec::fail(file, 6,
              "the CO emission of 1990 is 0, and IFOCSC = 2 scales the fossil OC+BC forcing "
              "by it; expected a profile with a non-zero CO emission in 1990");
  }

  for (int i = 226; i <= s.NYEND; ++i) s.SO2[i] = s.SO2TOT[i];
}

void extend_emissions(OrvState& s) {
  const int n = s.NYEND;
  s.SO2TOT[n + 1] = 2.0f * s.SO2TOT[n] - s.SO2TOT[n - 1];
  s.SO2REG1[n + 1] = 2.0f * s.SO2REG1[n] - s.SO2REG1[n - 1];
  s.SO2REG2[n + 1] = 2.0f * s.SO2REG2[n] - s.SO2REG2[n - 1];
  s.SO2REG3[n + 1] = 2.0f * s.SO2REG3[n] - s.SO2REG3[n - 1];
  s.SO2[n + 1] = s.SO2TOT[n + 1];
  for (int i = 1; i <= 225; ++i) s.ECOEXT[i] = static_cast<float>(i) * s.ECO90 / 226.0f;
  for (int i = 226; i <= n; ++i) s.ECOEXT[i] = s.ECO[i];
}

}  // namespace orv
