#include "orvtar/physics/land_ocean_feedback.h"

#include <cmath>

namespace orv {

BoxTemperatures boxEquilibrium(float Q, float XO, float XL, float FL1, float FL2, float XKLO,
                               float XKNS) {
  const double fl1 = FL1 / 2.0, fl2 = FL2 / 2.0;
  const double fo1 = 0.5 - fl1, fo2 = 0.5 - fl2;
  const double a = XKLO / 2.0, b = XKNS / 2.0;
  const double q = Q, xo = XO, xl = XL;
  // Each land box: -a*TO + (xl*fl + a)*TL = fl*q, so TL = (fl*q + a*TO)/dL.
  const double dNL = xl * fl1 + a, dSL = xl * fl2 + a;
  // What remains for the two ocean boxes, coupled through b.
  const double A11 = xo * fo1 + b + a - a * a / dNL;
  const double A22 = xo * fo2 + b + a - a * a / dSL;
  const double R1 = fo1 * q + a * fl1 * q / dNL;
  const double R2 = fo2 * q + a * fl2 * q / dSL;
  const double det = A11 * A22 - b * b;
  const double TNO = (R1 * A22 + b * R2) / det;
  const double TSO = (A11 * R2 + b * R1) / det;
  return {static_cast<float>(TNO), static_cast<float>((fl1 * q + a * TNO) / dNL),
          static_cast<float>(TSO), static_cast<float>((fl2 * q + a * TSO) / dSL)};
}

namespace {

constexpr int MAXTRIAL = 40;
constexpr float TOLERANCE = 0.001f;  // on the land/ocean warming ratio

struct Search {
  float XO, XL;
  bool converged;
};

// Trial ocean parameters from XLAM in steps of STEP0 until the ratio error
// changes sign, then secant steps.
Search search(float Q2X, float FL1, float FL2, float XKLO, float XKNS, float DT2X, float RLO,
              float STEP0) {
  const float fl1 = FL1 / 2.0f, fl2 = FL2 / 2.0f;
  const float fo1 = 0.5f - fl1, fo2 = 0.5f - fl2;
  const float fl = fl1 + fl2, fo = fo1 + fo2, r = fo / fl;
  const float XLAM = Q2X / DT2X;
  // The land parameter that keeps the global equilibrium warming at DT2X
  // when land warms RLO times as much as ocean.
  auto paired = [&](float XO) { return XLAM + (XLAM - XO) * r / RLO; };

  float X[MAXTRIAL + 2] = {}, ERR[MAXTRIAL + 1] = {};
  X[1] = XLAM;
  X[2] = XLAM + STEP0;
  float STEP = STEP0;
  bool bracketed = false;

  for (int k = 1; k <= MAXTRIAL; ++k) {
    const float XL = paired(X[k]);
    const BoxTemperatures t = boxEquilibrium(Q2X, X[k], XL, FL1, FL2, XKLO, XKNS);
    const float TLAND = (fl1 * t.TNL + fl2 * t.TSL) / fl;
    const float TOCEAN = (fo1 * t.TNO + fo2 * t.TSO) / fo;
    ERR[k] = RLO - TLAND / TOCEAN;
    if (std::fabs(ERR[k]) < TOLERANCE) return {X[k], XL, true};
    if (k == 1) continue;  // the second trial is preset

    const float P = ERR[k - 1] * ERR[k];
    if (P >= 0.0f) {
      // No sign change yet: keep stepping, turning back if the error grew.
      if (std::fabs(ERR[k]) > std::fabs(ERR[k - 1])) STEP = -STEP;
      X[k + 1] = X[k] + STEP;
    } else {
      bracketed = true;
    }
    if (bracketed) {
      if (P < 0.0f) {
        X[k + 1] = X[k] - ERR[k] * (X[k] - X[k - 1]) / (ERR[k] - ERR[k - 1]);
      } else if (ERR[k] != ERR[k - 2]) {
        // (Equal errors would make the secant undefined; the plain step stands.)
        X[k + 1] = X[k] - ERR[k] * (X[k] - X[k - 2]) / (ERR[k] - ERR[k - 2]);
      }
    }
  }
  return {X[MAXTRIAL + 1], paired(X[MAXTRIAL + 1]), false};
}

}  // namespace

bool LOFEED(OrvState& s, float Q2X, float FL1, float FL2, float XKLO, float XKNS, float DT2X,
            float RLO) {
  const Search first = search(Q2X, FL1, FL2, XKLO, XKNS, DT2X, RLO, 1.0f);
  Search found = first;
  // A unit step can jump across the point where the land balance breaks
  // down and then swing back and forth without ever bracketing the ratio;
  // smaller first steps find the pair in such cases.
  for (float STEP0 = 0.1f; !found.converged && STEP0 > 0.0005f; STEP0 /= 10.0f) {
    found = search(Q2X, FL1, FL2, XKLO, XKNS, DT2X, RLO, STEP0);
  }
  if (!found.converged) found = first;
  s.XLAMO = found.XO;
  s.XLAML = found.XL;
  return found.converged;
}

}  // namespace orv
