// The eight further halocarbons (CF4, C2F6, HFC-125, HFC-134a, HFC-143a,
// HFC-227ea, HFC-245ca, SF6): fixed lifetimes, those destroyed by OH
// following the methane lifetime.
#pragma once

namespace orv {

struct HaloGas {
  float CONV;    // kt per ppt
  float LIFE;    // lifetime, yr
  float EFF;     // radiative efficiency, W m-2 ppb-1
  bool OH;       // lifetime follows OH
};

// Gas k = 1..8; element 0 is unused.
inline constexpr HaloGas HALOTAB[9] = {
    {0.0f, 0.0f, 0.0f, false},
    {15.1f, 50000.0f, 0.08f, false},
    {23.68f, 10000.0f, 0.26f, false},
    {20.17f, 29.0f, 0.23f, true},
    {17.14f, 13.8f, 0.15f, true},
    {14.12f, 52.0f, 0.13f, true},
    {28.57f, 33.0f, 0.30f, true},
    {22.52f, 6.6f, 0.23f, true},
    {25.05f, 3200.0f, 0.52f, false},
};

struct KyotoResult {
  float C;  // concentration at the end of the year, ppt
  float Q;  // forcing, W/m2
};

// One year of gas k from Cprev with emission E (kt/yr); TAUNOW/TAUREF is
// the current over the mid-case CH4 lifetime.
KyotoResult KYOTO(int k, float Cprev, float E, float TAUREF, float TAUNOW);

}  // namespace orv
