// Carbon cycle: four variants side by side, each with a plant/litter/soil
// biosphere (regrowth, CO2 fertilisation, temperature feedbacks) and an
// ocean impulse response whose amplitudes follow cumulative net emissions.
// Variant v = 1..4 is the LOW, MID, HIGH and USER concentration case.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Shared constants of the biosphere and the ocean.
inline constexpr float PPMC = 2.123f;   // GtC per ppm
inline constexpr float NPP0 = 76.0f;    // initial net primary production, GtC/yr
inline constexpr float RESP0 = 14.0f;   // initial plant respiration, GtC/yr
inline constexpr float PLANT0 = 750.0f, HLITT0 = 80.0f, SOIL0 = 1450.0f;  // pools, GtC
inline constexpr float FNPPP = 0.35f, FNPPL = 0.6f;  // NPP shares to plants, litter
inline constexpr float FNPPS = 1.0f - 0.35f - 0.6f;  // ... and to soil
inline constexpr float FMORT = 0.98f;   // plant mortality share going to litter
inline constexpr float FLS = 0.05f;     // litter decomposition share going to soil
inline constexpr float FDP = 0.7f, FDL = 0.05f;      // gross deforestation from plants, litter
inline constexpr float FDS = 1.0f - 0.7f - 0.05f;    // ... and from soil
inline constexpr float CCOMP = 31.0f;   // CO2 compensation point, ppm
inline constexpr float TAUP = PLANT0 / (NPP0 * FNPPP - RESP0);  // plant turnover, yr
inline constexpr float TAUL = HLITT0 / (FNPPL * NPP0 + FMORT * (NPP0 * FNPPP - RESP0));
inline constexpr float TAUS = SOIL0 / ((NPP0 - RESP0) - (1.0f - FLS) * HLITT0 / TAUL);
inline constexpr float LAM0[6] = {0.0f, 0.0f, 0.0030303f, 0.0125f, 0.05f, 0.625f};  // 1/yr
inline constexpr float XA1 = 1.41f, XA2 = 5.65f, XA3 = 25.0f;  // anchors, 100 GtC

// Ocean amplitudes at the three anchors, ATAB[L][a] for L = 1..5, a = 1..3.
inline constexpr float ATAB[6][4] = {
    {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.131f, 0.142f, 0.166f},
    {0.0f, 0.216f, 0.230f, 0.363f},
    {0.0f, 0.261f, 0.335f, 0.304f},
    {0.0f, 0.294f, 0.198f, 0.088f},
    {0.0f, 0.098f, 0.095f, 0.079f},
};

// Calibrates variant v from its 1980s net land-use flux D80 and ocean flux
// FOC80 (GtC/yr) and sets its 1990 state (year index 226).
void CARBINIT(OrvState& s, int v, float D80, float FOC80);

// Gross deforestation of 1990 (regrowth plus net land-use flux, GtC/yr) of a
// variant with 1980s fluxes D80 and FOC80; the biomass aerosol forcing is
// scaled by it, so a usable variant has it above 0.
float GROSSD90_OF(float D80, float FOC80);

// Advances variant v to the end of year index i with the feedback
// temperature change dT and the year's emissions ETOT (fossil plus methane
// oxidation) and NETDEF (net land use), GtC/yr.
void CARBSTEP(OrvState& s, int v, int i, float dT, float ETOT, float NETDEF);

// Amplitude of ocean term L at cumulative net emissions X (in 100 GtC):
// the table's straight lines through the anchors, joined by cubic pieces.
float AMPLITUDE(int L, float X);

// CO2 fertilisation of the rectangular-hyperbola kind, calibrated to give
// the same doubling response RDBL as a logarithmic factor BETA.
struct Fertilisation {
  float RDBL;   // response at 680 ppm over response at 340 ppm
  float FERT;   // factor on NPP and respiration at CO2 = CEXT
  float BETAE;  // equivalent logarithmic slope at 340 ppm
};
Fertilisation FERTILISE(float BETA, float C0, float CEXT);

}  // namespace orv
