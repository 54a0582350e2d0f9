// The emissions profile GAS.EMK and the annual emission series built from
// it.
#pragma once

#include <string>

#include "orvtar/physics/state.h"

namespace orv {

// GAS.EMK as written: its data records, before any setting acts on them.
struct EmissionsProfile {
  std::string file;                // named in messages
  int NEMK = 0;
  char PROFILE[21] = {};           // 20-character profile name
  int IYR[MAXEMK + 1] = {};        // calendar years of the records
  float EMKV[MAXEMK + 1][19] = {}; // record values, columns 1..18
};

// Reads the profile; refuses a record count or a last year the series
// cannot hold.
EmissionsProfile read_gasemk(const std::string& file = "GAS.EMK");

// The profile under the settings: adds the 1990 SO2 base, fixes the last
// year of the run (NYEND, IREFIX, TEND), applies the CH4 and N2O budget
// offsets and interpolates every column into its annual series; ECO90 and
// the SO2 series of the physics follow.
void build_emissions(OrvState& s, const EmissionsProfile& p);

// Linear interpolation of N profile records (years X(1..N) counted from the
// year of index IOFF, values Y(1..N)) into the annual series OUT, holding
// the last value up to NYEND. Years before the first record are left as
// they are.
void INTERP(int N, int IOFF, const int (&X)[MAXEMK + 1], const float (&Y)[MAXEMK + 1],
            float (&OUT)[NY], int NYEND);

// After the first climate set-up: extends SO2TOT, SO2REG1..3 and SO2 by one
// year past NYEND, and builds ECOEXT (zero in 1764 rising linearly to the
// 1990 CO emission, then ECO).
void extend_emissions(OrvState& s);

}  // namespace orv
