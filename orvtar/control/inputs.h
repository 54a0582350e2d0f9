// The climate model's data files besides the emissions profile: the CO2
// history, the halocarbon forcing, the optional prescribed CO2 and the
// optional extra forcing. Each reader opens its file as an existing file,
// stores the values on the year axis and rejects years that would fall
// outside the series and values the model would divide by zero or take
// the logarithm of.
#pragma once

#include <string>

#include "orvtar/physics/state.h"

namespace orv {

// co2hist.IN: 237 records for 1764 to 2000 into CO2HIST and CO2HIST2.
void read_co2hist(OrvState& s, const std::string& file = "co2hist.IN");

// QHALOS.IN: clears QMONTDIR, QSTRATO3, QKYOTO, QHALOOTH and QHALO up to
// IYEND, then reads the years 1930 to min(LASTHALO, IYEND) in the column
// layout chosen by IHALO.
void read_qhalos(OrvState& s, const std::string& file = "QHALOS.IN");

// co2input.dat (read when ICO2CONC >= 1): CO2IN from 1990, held at its last
// value up to IYEND.
void read_co2input(OrvState& s, const std::string& file = "co2input.dat");

// qextra.in (read when IQEXTRA >= 1): the extra box forcings after offset
// and scaling, and the year-index range IQX1..IQX2 where they apply.
void read_qextra(OrvState& s, const std::string& file = "qextra.in");

}  // namespace orv
