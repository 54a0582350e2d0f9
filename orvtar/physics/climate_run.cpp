// CLIMRUN: the time loop of one simulation.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "orvtar/physics/annual_store.h"
#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/forcing_split.h"
#include "orvtar/physics/ocean_solver.h"
#include "orvtar/physics/upwelling.h"

namespace orv {

namespace {

void requireRunnable(const OrvState& s) {
  if (!(s.DT >= DTMIN && s.DT <= 1.0f)) {
    throw std::invalid_argument("climate time step DT = " + std::to_string(s.DT) +
                                ": must lie between " + std::to_string(DTMIN) + " and 1 year");
  }
  if (s.NYEND < 1 || s.NYEND > NYLAST) {
    throw std::invalid_argument("last year index NYEND = " + std::to_string(s.NYEND) +
                                ": must lie between 1 and " + std::to_string(NYLAST));
  }
  if (!(s.TEND >= 0.0f && s.TEND <= static_cast<float>(s.NYEND - 1))) {
    throw std::invalid_argument("end time TEND = " + std::to_string(s.TEND) +
                                ": must lie between 0 and NYEND - 1");
  }
}

// Step 1 of a sub-step (docs/design/ocean-climate.md). Repeated additions
// of DT drift away from whole years; a time within 0.01 of a whole year is
// snapped to it (after IY has been taken from the unsnapped value).
void advanceTime(OrvState& s) {
  s.IYPREV = s.IY;
  s.TIME = s.TIME + s.DT;
  s.IY = static_cast<int>(s.TIME + 1.49f);
  const int whole = static_cast<int>(s.TIME);
  float d = std::fabs(s.TIME - static_cast<float>(whole));
  int m = whole;
  if (d > 0.5f) {
    d = 1.0f - d;
    m = whole + 1;
  }
  if (d < 0.01f) s.TIME = static_cast<float>(m);
}

// The forcing of year j as the climate model sees it: the box values of
// the split aerosol and ozone forcings (plus any extra forcing of year JC)
// and the global greenhouse and biomass values.
struct YearForcing {
  BoxForcing box;
  float GHG, BIO;
};

YearForcing yearForcing(const OrvState& s, int j, int JC) {
  // With the extra forcing used alone, the model's own forcings are off.
  const float FUSE = s.IQEXTRA == 2 ? 0.0f : 1.0f;
  const BoxForcing ind = QSPLIT(s, s.QAER[j] - s.QAERDIR[j], 2.0f, 9.0f, 9.0f);
  const BoxForcing dir = QSPLIT(s, s.QAERDIR[j], 4.0f, 9.0f, 9.0f);
  const BoxForcing oz = QSPLIT(s, s.QTROPOZ[j], 99.0f, 9.0f, 9.0f);
  YearForcing f{};
  f.box.NO = (ind.NO + dir.NO + oz.NO) * FUSE;
  f.box.NL = (ind.NL + dir.NL + oz.NL) * FUSE;
  f.box.SO = (ind.SO + dir.SO + oz.SO) * FUSE;
  f.box.SL = (ind.SL + dir.SL + oz.SL) * FUSE;
  f.GHG = s.QGHG[j] * FUSE;
  f.BIO = s.QBIO[j] * FUSE;
  if (s.IQEXTRA >= 1 && s.IQX1 <= JC && JC <= s.IQX2) {
    f.box.NO += s.QEXNHO[JC];
    f.box.NL += s.QEXNHL[JC];
    f.box.SO += s.QEXSHO[JC];
    f.box.SL += s.QEXSHL[JC];
  }
  return f;
}

float mean(float a, float b) { return (a + b) / 2.0f; }

// Value at position FRAC between a (FRAC = 0) and b (FRAC = 1), taken
// piecewise through their mean so that the yearly mean is kept.
float interpolate(float a, float b, float FRAC) {
  const float c = (a + b) / 2.0f;
  if (FRAC > 0.5f) return c + (FRAC - 0.5f) * 2.0f * (b - c);
  return a + FRAC * 2.0f * (c - a);
}

// Steps 3 to 6 of a sub-step (docs/design/ocean-climate.md): the box
// forcings of the sub-step around TMID, and the start-of-year global
// forcing and equilibrium warming of year JC.
int subStepForcing(OrvState& s) {
  const float TMID = s.TIME - s.DT / 2.0f;
  const int JC = static_cast<int>(TMID + 1.49f);
  float FRAC = (TMID + 0.5f) - static_cast<float>(static_cast<int>(TMID + 0.5f));
  if (FRAC < 0.001f) FRAC = 1.0f;

  const YearForcing a = yearForcing(s, JC - 1, JC);
  const YearForcing b = yearForcing(s, JC, JC);

  const float GHG = mean(a.GHG, b.GHG), BIO = mean(a.BIO, b.BIO);
  const float QBNL = GHG + BIO + mean(a.box.NL, b.box.NL);
  const float QBNO = GHG + BIO + mean(a.box.NO, b.box.NO);
  const float QBSL = GHG + BIO + mean(a.box.SL, b.box.SL);
  const float QBSO = GHG + BIO + mean(a.box.SO, b.box.SO);
  s.QGLOB[JC] = s.AFNL * QBNL + s.AFNO * QBNO + s.AFSL * QBSL + s.AFSO * QBSO;
  s.TEQU[JC] = s.QGLOB[JC] * s.DT2X / s.Q2X;

  const float GHGi = interpolate(a.GHG, b.GHG, FRAC);
  const float BIOi = interpolate(a.BIO, b.BIO, FRAC);
  s.QNL = BIOi + GHGi + interpolate(a.box.NL, b.box.NL, FRAC);
  s.QNO = BIOi + GHGi + interpolate(a.box.NO, b.box.NO, FRAC);
  s.QSL = BIOi + GHGi + interpolate(a.box.SL, b.box.SL, FRAC);
  s.QSO = BIOi + GHGi + interpolate(a.box.SO, b.box.SO, FRAC);
  return JC;
}

// Steps 8 and 9 of a sub-step (docs/design/ocean-climate.md): surface
// boxes from the new mixed layers (land boxes are in instant balance) and
// the inter-hemispheric fluxes of the next sub-step.
void surfaceTemperatures(OrvState& s) {
  s.TNO = s.TO[1][1] * s.TOFAC;
  s.TSO = s.TO[2][1] * s.TOFAC;
  const float XLL = s.IDIFFL == 1 ? s.XLAML : s.XLAM;
  s.TNL = (s.FL[1] * s.QNL + s.TNO * s.XKLO) / (s.FL[1] * XLL + s.XKLO);
  s.TSL = (s.TSO * s.XKLO + s.FL[2] * s.QSL) / (s.FL[2] * XLL + s.XKLO);
  s.HFNS[1] = s.XKNS / s.FO[1] * (s.TSO - s.TNO);
  s.HFNS[2] = s.XKNS / s.FO[2] * (s.TNO - s.TSO);
}

}  // namespace

bool CLIMRUN(OrvState& s, GasStepFn gasStep, int IYHOLD) {
  requireRunnable(s);
  // The last sub-step may end up to DT past TEND; years beyond NYEND are
  // outside the run and are neither computed nor stored.
  do {
    // A sub-step moves IY on by one year, or by two where the snapping of
    // TIME to a whole year meets a step of a whole year.
    if (IYHOLD > 0 && s.IY + 2 >= IYHOLD) return false;
    advanceTime(s);
    if (s.IYPREV < s.IY) {
      const int last = std::min(s.IY, s.NYEND);
      if (s.IYPREV + 1 <= last) gasStep(s, s.IYPREV + 1, last);
    }

    const int JC = subStepForcing(s);
    oceanStepBoth(s, s.QNO, s.QNL, s.QSO, s.QSL);
    surfaceTemperatures(s);
    updateUpwelling(s);
    s.WNH[JC] = s.W[1];
    s.WSH[JC] = s.W[2];

    const int done = s.IYDONE;
    s.IYDONE = static_cast<int>(s.TIME + 1.01f);
    if (s.IYDONE > done && s.IYDONE <= s.NYEND) ANNSTORE(s, s.IYDONE);
  } while (s.TIME < s.TEND);
  return true;
}

}  // namespace orv
