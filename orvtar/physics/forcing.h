// Radiative forcing of one year from the concentrations and emissions that
// the gas step has just computed: greenhouse gases, tropospheric ozone,
// biomass and fossil aerosols, and the prescribed-CO2 variants.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Fixed values of the ozone terms.
inline constexpr float QTROP2000 = 0.35f;         // tropospheric O3 of 2000, CH4 part included
inline constexpr float CH4RATIO2000 = 2.5142858f;  // CH4 of 2000 over 700 ppb

// Writes QHALO, QCH4, QCH4O3, QTROPOZ, QN2O, QCO2, QGHG, QBIO, QAER,
// QAERDIR, QFOC and QTOT of year index i (and DQTROP at 1999).
void FORCING(OrvState& s, int i);

}  // namespace orv
