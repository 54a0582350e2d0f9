#include "orvtar/physics/forcing.h"

#include <algorithm>
#include <cmath>

#include "orvtar/physics/aerosol.h"

namespace orv {

namespace {

// CH4-N2O overlap term of the forcing expressions (concentrations in ppb).
float OV(float m, float n) {
  const float mn = m * n / 1.0e6f;
  return 0.636f * std::pow(mn, 0.75f) + 0.007f * (m / 1000.0f) * std::pow(mn, 1.52f);
}

// Tropospheric ozone forcing (other than from CH4) of a historical year,
// scaled with the second CO2 history so that it reaches its 2000 value
// (0.35 less the CH4 part) in 1999.
float histTropoz(const OrvState& s, int i) {
  return (s.CO2HIST2[i] - s.CO2HIST2[1]) * (QTROP2000 - s.GASK1) /
         (s.CO2HIST2[235] - s.CO2HIST2[1]);
}

void greenhouse(OrvState& s, int i) {
  s.QHALO[i] = s.QKYOTO[i] + s.QMONTDIR[i] + s.QSTRATO3[i] + s.QHALOOTH[i];
  if (s.IO3FEED == 0) s.QHALO[i] -= s.QSTRATO3[i];

  const float M = s.CH4[i], M0 = s.CH4[1], N0 = s.N2O[1];
  const float QCH4D = 0.036f * (std::sqrt(M) - std::sqrt(M0)) +
                      0.47f * std::log((1.0f + OV(M0, N0)) / (1.0f + OV(M, N0)));
  const float QH2O = s.DELQH2O * 0.036f * (std::sqrt(M) - std::sqrt(M0));
  if (i <= 235) {
    s.QCH4O3[i] = s.GASK1 * std::log(M / 700.0f) / std::log(CH4RATIO2000);
  } else {
    s.QCH4O3[i] = s.GASK1 + s.QO3DU * s.GASK2 * std::log(M / s.CH4[235]);
  }
  s.QCH4[i] = s.QCH4O3[i] + QH2O + QCH4D;

  if (i <= 235) {
    s.QTROPOZ[i] = histTropoz(s, i);
    if (i == 235) s.DQTROP = histTropoz(s, 235) - histTropoz(s, 234);
  } else {
    const float dNOX = s.ENOX[i] - s.ENOX[NHIST];
    const float dCO = s.ECO[i] - s.ECO[NHIST];
    const float dVOC = s.EVOC[i] - s.EVOC[NHIST];
    s.QTROPOZ[i] = (s.GASK3 * dNOX + s.GASK4 * dCO + s.GASK5 * dVOC) * s.QO3DU + s.DQTROP +
                   (QTROP2000 - s.GASK1);
  }
  if (s.IQGHG <= 1) s.QTROPOZ[i] = 0.0f;

  const float N = s.N2O[i];
  s.QN2O[i] = 0.47f * std::log((1.0f + OV(M0, N0)) / (1.0f + OV(M0, N))) +
              s.QN2OC * (std::sqrt(N) - std::sqrt(N0));

  s.QCO2[i] = s.QCO2COEF * std::log(s.CO2[i] / s.CO2[1]);

  s.QGHG[i] = s.QN2O[i] + s.QCO2[i] + s.QCH4[i] + s.QHALO[i];
  if (s.IQGHG == 0) s.QGHG[i] = 0.0f;
  else if (s.IQGHG == 1) s.QGHG[i] = s.QCO2[i];
}

// With prescribed CO2 the post-1990 forcing is the CO2 change from 1990 on
// top of the 1990 total; the other agents are frozen at 1990 (ICO2CONC = 1)
// or all but the aerosols are (ICO2CONC >= 3).
void prescribedCO2(OrvState& s, int i) {
  const float QC = s.QCO2COEF * std::log(s.CO2[i] / s.CO2[226]) * s.CO2SCALE;
  if (s.ICO2CONC == 1) {
    s.QTOT[i] = QC + s.QTOT[226];
    s.QGHG[i] = QC + s.QGHG[226];
    s.QAER[i] = s.QAER[226];
    s.QAERDIR[i] = s.QAERDIR[226];
    s.QTROPOZ[i] = s.QTROPOZ[226];
    s.QBIO[i] = s.QBIO[226];
  } else if (s.ICO2CONC >= 3) {
    s.QTOT[i] = QC + s.QTOT[226] + (s.QAER[i] - s.QAER[226]);
    s.QGHG[i] = QC + s.QGHG[226];
    s.QTROPOZ[i] = s.QTROPOZ[226];
    s.QBIO[i] = s.QBIO[226];
  }
}

}  // namespace

void FORCING(OrvState& s, int i) {
  greenhouse(s, i);

  if (i <= 226) {
    s.QBIO[i] = static_cast<float>(i) * s.QBIO90 / 226.0f;
  } else {
    const int v = s.LEVCO2;
    s.QBIO[i] = s.QBIO90 * std::max(0.0f, s.GROSSD[v][i]) / s.GROSSD90[v];
  }

  const AerosolForcing a = AEROSOL(s, i, s.SO2[i], s.SO2[i + 1], s.ECOEXT[i]);
  s.QAER[i] = a.QAER;
  s.QAERDIR[i] = a.QAERDIR;
  s.QFOC[i] = a.QFOC;
  s.QTOT[i] = s.QAER[i] + s.QTROPOZ[i] + s.QBIO[i] + s.QGHG[i];

  if (i >= 227) prescribedCO2(s, i);
}

}  // namespace orv
