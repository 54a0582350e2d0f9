#include "orvtar/physics/hist_conc.h"

namespace orv {

namespace {

// One row of the piecewise-cubic history: A + B*t + Cq*t**2 + D*t**3 with
// t = year - T0, for the years up to LAST.
struct Cubic {
  int LAST, T0;
  float A, B, Cq, D;
};

constexpr Cubic CH4CUBIC[4] = {
    {1970, 1940, 1100.0f, 4.1885f, 0.26643f, -0.0010469f},
    {1980, 1969, 1420.0f, 17.0f, -0.5f, 0.03f},
    {1990, 1979, 1570.0f, 16.0f, -0.3f, 0.0f},
    {2001, 1989, 1700.0f, 10.0f, -1.0f, 0.06f},
};

constexpr Cubic N2OCUBIC[4] = {
    {1970, 1950, 290.0f, 0.199f, -0.0083435f, 0.00061685f},
    {1980, 1969, 295.0f, 0.55f, 0.005f, 0.0f},
    {1990, 1979, 301.0f, 0.65f, 0.005f, 0.0f},
    {2001, 1989, 308.0f, 0.75f, 0.01f, -0.0005f},
};

// The first row whose last year is not before y; the last row beyond 2001.
float cubic(const Cubic (&rows)[4], int y) {
  int r = 0;
  while (r < 3 && y > rows[r].LAST) ++r;
  const Cubic& c = rows[r];
  const float t = static_cast<float>(y - c.T0);
  return c.A + c.B * t + c.Cq * t * t + c.D * t * t * t;
}

// SO2 emission of calendar year y; years from 2000 on have no history
// rule, so the element keeps its value (the gas step restores the
// scenario's values from 1990 on anyway).
void so2History(float& so2, int y, float ES1990) {
  const float yr = static_cast<float>(y);
  if (y < 1860) so2 = 0.0f;
  else if (y < 1953) so2 = (yr - 1860.0f) * 35.0f / 93.0f;
  else if (y < 1973) so2 = (yr - 1953.0f) * 33.0f / 20.0f + 35.0f;
  else if (y < 1990) so2 = (ES1990 - 68.0f) * (yr - 1973.0f) / 17.0f + 68.0f;
  else if (y < 2000) so2 = ES1990 - (yr - 1990.0f) * 1.876f / 10.0f;
}

}  // namespace

void HISTCONC(OrvState& s, int i) {
  const int y = i + 1764;
  s.CO2[i] = s.CO2HIST[i];

  if (y <= 1940) {
    const float t = static_cast<float>(y - 1749);
    s.CH4[i] = 700.0f + 400.0f * t * t / 36481.0f;
  } else {
    s.CH4[i] = cubic(CH4CUBIC, y);
  }

  if (y <= 1950) {
    const float t = static_cast<float>(y - 1749);
    s.N2O[i] = 270.0f + 20.0f * t * t / 40401.0f;
  } else {
    s.N2O[i] = cubic(N2OCUBIC, y);
  }

  so2History(s.SO2[i], y, s.ES1990);
  so2History(s.SO2[i + 1], y + 1, s.ES1990);

  for (int k = 1; k <= 8; ++k) s.HALOC[k][i] = HALOC90[k];
}

}  // namespace orv
