// The climate model's data files besides the emissions profile: the CO2
// history, the halocarbon forcing, the optional prescribed CO2 and the
// optional extra forcing. Each reader opens its file as an existing file,
// returns the values on the year axis and rejects years that would fall
// outside the series and values outside their plausible ranges
// (input_bounds.h); a matching `use_` function puts them into the model
// state, applying the settings that act on them. So a file read once can
// serve many configurations.
#pragma once

#include <string>

#include "orvtar/physics/state.h"

namespace orv {

// co2hist.IN: 237 records for 1764 to 2000.
struct Co2History {
  float CO2HIST[NHIST + 1] = {};   // observed CO2, ppm
  float CO2HIST2[NHIST + 1] = {};  // second historical series
};
Co2History read_co2hist(const std::string& file = "co2hist.IN");
void use_co2_history(OrvState& s, const Co2History& h);

// QHALOS.IN: the years 1930 to min(LASTHALO, IYEND) in the column layout
// chosen by IHALO; zero elsewhere.
struct HalocarbonForcing {
  int LASTHALO = 0;
  float QMONTDIR[NY] = {}, QSTRATO3[NY] = {}, QKYOTO[NY] = {}, QHALOOTH[NY] = {};
};
HalocarbonForcing read_qhalos(int IHALO, int IYEND, const std::string& file = "QHALOS.IN");
// Clears QMONTDIR, QSTRATO3, QKYOTO, QHALOOTH and QHALO up to IYEND and
// takes the file's values.
void use_halocarbon_forcing(OrvState& s, const HalocarbonForcing& h);

// co2input.dat (read when ICO2CONC >= 1): CO2 from 1990, held at its last
// value up to IYEND.
struct PrescribedCo2 {
  int LASTCO2 = 0;
  float CO2IN[NY] = {};
};
PrescribedCo2 read_co2input(int IYEND, const std::string& file = "co2input.dat");
void use_prescribed_co2(OrvState& s, const PrescribedCo2& c);

// qextra.in (read when IQEXTRA >= 1): the values as written and the
// year-index range IQX1..IQX2 where they apply.
struct ExtraForcing {
  int NQCOL = 0, IQY1 = 0, IQY2 = 0, IQX1 = 0, IQX2 = 0;
  // By NQCOL: 1 global; 2 NH, SH; 4 NH ocean, NH land, SH ocean, SH land.
  float column[4][NY] = {};
};
ExtraForcing read_qextra(const std::string& file = "qextra.in");
// The four box forcings after QOFFSET and QFACTOR.
void use_extra_forcing(OrvState& s, const ExtraForcing& e);

}  // namespace orv
