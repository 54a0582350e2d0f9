#include "orvtar/control/display_files.h"

#include <string>

#include "orvtar/control/display_layouts.h"
#include "orvtar/control/report_common.h"
#include "orvtar/control/report_forcing.h"
#include "records/record_io.h"

namespace orv {

namespace {

// Value of year index i.
float at(const SimulationResult& r, Output o, int i) { return r[o].at(year_of(i)); }

// The forcing row of year index i minus that of 1990, column by column.
ForcingRow forcing_change_from_1990(const SimulationResult& r, int i) {
  const auto d = [&](Output o) { return at(r, o, i) - at(r, o, 226); };
  return ForcingRow{d(Output::ForcingCo2),
                    d(Output::ForcingCh4),
                    d(Output::ForcingN2o),
                    d(Output::ForcingHalocarbons),
                    d(Output::ForcingTroposphericOzone),
                    d(Output::ForcingSulphateDirect),
                    d(Output::ForcingSulphateIndirect),
                    d(Output::ForcingBiomassAerosol),
                    d(Output::ForcingTotal),
                    d(Output::ForcingFossilOrganicBlackCarbon),
                    d(Output::ForcingCh4Ozone),
                    d(Output::ForcingStratosphericOzone),
                    d(Output::ForcingMontrealGases),
                    d(Output::ForcingOtherHalocarbons)};
}

}  // namespace

void write_concs_dis(const OrvState& run, const SimulationResult& r) {
  rec::Unit out(std::string(concs_dis::NAME), rec::Status::Output);
  auto header = [&] { out.write(concs_dis::HEADER); };
  header();
  stepped_loop(1, run.NYEND, run.IDISSTEP, [&](int i) {
    const int year = year_of(i);
    const float CO2 = at(r, Output::Co2, i), CH4 = at(r, Output::Ch4, i), N2O = at(r, Output::N2o, i);
    if (year < concs_dis::FIRST_YEAR_WITH_LIFETIME) {
      out.write(concs_dis::ROW_BEFORE_1990, {year, CO2, CO2, CO2, CO2, CH4, CH4, CH4, CH4, N2O});
    } else {
      out.write(concs_dis::ROW_FROM_1990,
                {year, CO2, at(r, Output::Co2Low, i), at(r, Output::Co2Mid, i),
                 at(r, Output::Co2High, i), CH4, at(r, Output::Ch4Low, i), at(r, Output::Ch4Mid, i),
                 at(r, Output::Ch4High, i), N2O, at(r, Output::Ch4Lifetime, i)});
    }
  });
  header();
  out.close();
}

void write_forcings_dis(const OrvState& run, const SimulationResult& r) {
  rec::Unit out(std::string(forcings_dis::NAME), rec::Status::Output);
  write_forcing_header(out);
  stepped_loop(1990, run.IYEND, run.IDISSTEP,
               [&](int year) { write_forcing_row(out, year, forcing_change_from_1990(r, year - 1764)); });
  write_forcing_header(out);
  out.close();
}

void write_temps_dis(const OrvState& run, const ResultStores& k) {
  rec::Unit out(std::string(temps_dis::NAME), rec::Status::Output);
  auto header = [&] { out.write(temps_dis::HEADER); };
  header();
  stepped_loop(1, run.NYEND, run.IDISSTEP, [&](int i) {
    out.write(temps_dis::ROW, {year_of(i), k.TEMUSER[i], k.TEMLO[i], k.TEMMID[i], k.TEMHI[i], k.TEMNOSO2[i]});
  });
  header();
  out.close();
}

void write_sealev_dis(const OrvState& run, const ResultStores& k) {
  rec::Unit out(std::string(sealev_dis::NAME), rec::Status::Output);
  auto header = [&] { out.write(sealev_dis::HEADER); };
  header();
  stepped_loop(1, run.NYEND, run.IDISSTEP, [&](int i) {
    out.write(sealev_dis::ROW, {year_of(i), k.MSLUSER[i], k.MSLLO[i], k.MSLMID[i], k.MSLHI[i]});
  });
  header();
  out.close();
}

void write_emiss_dis(const OrvState& run, const SimulationResult& r) {
  rec::Unit out(std::string(emiss_dis::NAME), rec::Status::Output);
  auto header = [&] { out.write(emiss_dis::HEADER); };
  header();
  stepped_loop(226, run.NYEND, run.IDISSTEP, [&](int i) {
    out.write(emiss_dis::ROW,
              {year_of(i), at(r, Output::EmissionsFossilCo2, i), at(r, Output::EmissionsLandUseCo2, i),
               at(r, Output::EmissionsCh4, i), at(r, Output::EmissionsN2o, i),
               at(r, Output::EmissionsSo2Region1, i), at(r, Output::EmissionsSo2Region2, i),
               at(r, Output::EmissionsSo2Region3, i), at(r, Output::EmissionsSo2Global, i)});
  });
  header();
  out.close();
}

}  // namespace orv
