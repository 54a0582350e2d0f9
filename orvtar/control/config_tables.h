// Fixed tables of the run configuration: the climate-model emulation sets,
// the sea-level constant defaults, the gas-chemistry defaults and the 1990
// aerosol forcings of the LOW, MID and HIGH aerosol cases.
#pragma once

namespace orv {

// One emulation set, selected by IMODEL 1 to 7. It replaces these six
// items and SLPAR(1) to SLPAR(7).
struct Emulation {
  float QCO2COEF, DT2XUSER, TWZERONH, XK, RLO, XKLO;
  float SLPAR[8];  // 1..7 used
};

inline constexpr Emulation EMULATION[8] = {
    {},
    {5.352f, 4.2f, 8.0f, 2.3f, 1.2f, 1.0f, {0, 0.635f, 1.5f, 0.0576f, 0.0121f, -0.0177f, 1.879f, 0.799f}},
    {4.977f, 3.7f, 5.0f, 1.6f, 1.2f, 1.0f, {0, 0.593f, 2.2f, 0.0733f, 0.0157f, -0.0373f, 2.042f, 1.12f}},
    {5.396f, 3.0f, 25.0f, 1.9f, 1.4f, 0.5f, {0, 0.562f, 2.1f, 0.0622f, 0.0085f, -0.0354f, 1.443f, 1.288f}},
    {5.006f, 2.5f, 12.0f, 1.7f, 1.4f, 0.5f, {0, 0.603f, 2.7f, 0.0613f, 0.0096f, -0.0214f, 1.441f, 1.239f}},
    {5.482f, 2.6f, 20.0f, 9.0f, 1.4f, 0.5f, {0, 0.78f, 2.7f, 0.0637f, 0.0029f, -0.0478f, 1.153f, 1.484f}},
    {5.194f, 1.9f, 1000.0f, 2.3f, 1.4f, 0.5f, {0, 0.567f, 2.1f, 0.0608f, 0.0146f, -0.0305f, 3.147f, 1.143f}},
    {5.194f, 1.7f, 14.0f, 2.3f, 1.4f, 0.5f, {0, 0.51f, 1.7f, 0.0587f, 0.0136f, -0.0484f, 2.165f, 1.618f}},
};

// SLPAR(1) to SLPAR(15) before any emulation set is applied.
inline constexpr float SLPAR_DEFAULT[16] = {0,       0.607f, 2.1f,     0.0625f, 0.011f,  -0.0341f,
                                            1.896f,  1.242f, 0.005f,   0.008f,  0.025f,  0.01136f,
                                            0.0025f, 0.025f, 0.01136f, 0.0025f};

// GASK1 to GASK5 when IGASKDEF = 1.
inline constexpr float GASK_DEFAULT[6] = {0, 0.168f, 6.2048f, 0.17f, 0.0014f, 0.0042f};

// 1990 aerosol forcings (W/m**2) of LEVSO4 = 1, 2, 3; the USER case 4 takes
// QDIRU, QINDU, QBIOU and QFOCU from ORVGAS.CFG.
struct Aerosol1990 {
  float QDIR90, QIND90, QBIO90, QFOC90;
};

inline constexpr Aerosol1990 AEROSOL1990[4] = {
    {},
    {-0.3f, -0.4f, -0.2f, 0.0f},
    {-0.4f, -0.8f, -0.2f, 0.1f},
    {-0.5f, -1.2f, -0.2f, 0.2f},
};

}  // namespace orv
