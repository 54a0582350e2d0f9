#include "ensemble/uncertain_items.h"

#include <algorithm>

namespace ens {

namespace {

struct Refusal {
  std::string_view item;
  std::string_view reason;
};

constexpr std::string_view READ_ONCE = "the data files are read once for all members under it";
constexpr std::string_view REPORT_ONLY = "it shapes orvtar's report and display files, not the results";

constexpr Refusal REFUSALS[] = {
    {"IYEND", READ_ONCE},
    {"IHALO", READ_ONCE},
    {"ICO2CONC", READ_ONCE},
    {"IQEXTRA", READ_ONCE},
    {"IRUNMODE", "every member runs the USER parameter set with full SO2"},
    {"ES1990", "it is the 1990 SO2 emission the scenario's profile counts from"},
    {"D80SIN", "the model recomputes it from CCFB4"},
    {"CCFB1", "the model recomputes it from CCFB4"},
    {"IREFYR", REPORT_ONLY},
    {"IPRTYR1", REPORT_ONLY},
    {"IPRTSTEP", REPORT_ONLY},
    {"IDISSTEP", REPORT_ONLY},
    {"ICONCYR", REPORT_ONLY},
    {"ITEMPTAB", REPORT_ONLY},
    {"IEMSTEP", REPORT_ONLY},
    {"ICCSTEP", REPORT_ONLY},
    {"ICONCSTEP", REPORT_ONLY},
    {"IQSTEP", REPORT_ONLY},
    {"TOFFSET", REPORT_ONLY},
};

// An emulated climate model (IMODEL 1 to 7) replaces the sensitivity, the
// diffusivity and four more items; the USER aerosol, CH4 and carbon-cycle
// cases use the USER items; the built-in ozone calibration replaces GASK1
// to GASK5; IFEED = 0 switches the carbon-cycle feedbacks off.
constexpr SwitchNeed NEEDS[] = {
    {"DT2XUSER", "IMODEL", 0, false},   {"XK", "IMODEL", 0, false},     {"QCO2COEF", "IMODEL", 0, false},
    {"TWZERONH", "IMODEL", 0, false},   {"RLO", "IMODEL", 0, false},    {"XKLO", "IMODEL", 0, false},
    {"QDIRU", "LEVSO4", 4, true},       {"QINDU", "LEVSO4", 4, true},   {"QBIOU", "LEVSO4", 4, true},
    {"QFOCU", "LEVSO4", 4, true},       {"TAUCH4U", "LEVCH4", 4, true}, {"FOC80SIN", "LEVCO2", 4, true},
    {"GASK1", "IGASKDEF", 0, true},     {"GASK2", "IGASKDEF", 0, true}, {"GASK3", "IGASKDEF", 0, true},
    {"GASK4", "IGASKDEF", 0, true},     {"GASK5", "IGASKDEF", 0, true}, {"CCFB2", "IFEED", 1, false},
    {"CCFB3", "IFEED", 1, false},       {"CCFB4", "IFEED", 1, false},   {"WTHC", "IVARW", 2, false},
    {"CO2SCALE", "ICO2CONC", 1, false},
};

// The 1990 direct sulphate forcing QDIRU is the AR6 aerosol-radiation ERF
// less the fossil organic and black carbon forcing QFOCU (+0.31 W/m**2),
// which the model counts apart.
constexpr DefaultUncertainty DEFAULTS[] = {
    {"DT2XUSER", "lognormal median 3.0 p05 2.0 p95 5.0",
     "IPCC AR6 WGI (2021) SPM A.4.4, 7.5.5: equilibrium climate sensitivity best estimate 3 degC, very likely 2-5 degC"},
    {"XK", "uniform 0.5 2.5",
     "Munk (1966) 1.3 cm**2/s; the range brackets the transient climate response of IPCC AR6 WGI 7.5.5 (likely 1.4-2.2 degC)"},
    {"IUSERICE", "choice 1 2 3 weights 0.125 0.75 0.125",
     "LOW and HIGH ice melt lie two standard deviations from MID; these weights give the three cases that spread"},
    {"CCFB2", "uniform 0.0336 0.0916",
     "Q10 of plant respiration from 1.4 to 2.5 (Mahecha et al. 2010; Atkin and Tjoelker 2003)"},
    {"CCFB3", "uniform 0.0336 0.0916",
     "Q10 of litter decomposition from 1.4 to 2.5 (Mahecha et al. 2010; Davidson and Janssens 2006)"},
    {"CCFB4", "uniform 0.0336 0.0916",
     "Q10 of soil respiration from 1.4 to 2.5 (Mahecha et al. 2010; Raich and Schlesinger 1992)"},
    {"TAUCH4M", "normal 9.6 1.1",
     "OH lifetime 11.2 +- 1.3 yr (Prather et al. 2012), 11.6 % applied to 9.6 yr; IPCC AR6 WGI 6.3.1"},
    {"QDIRU", "normal -0.6 0.18", "IPCC AR6 WGI 7.3.3 aerosol-radiation ERF -0.3 (-0.6 to 0.0) W/m**2, less QFOCU"},
    {"QINDU", "normal -1.0 0.43", "IPCC AR6 WGI 7.3.3 aerosol-cloud ERF -1.0 (-1.7 to -0.3) W/m**2"},
};

template <class Row>
const Row* find(std::span<const Row> rows, std::string_view item) {
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.item == item; });
  return it == rows.end() ? nullptr : &*it;
}

}  // namespace

std::string_view refusal_reason(std::string_view item) {
  const Refusal* r = find<Refusal>(REFUSALS, item);
  return r ? r->reason : std::string_view{};
}

const SwitchNeed* switch_need(std::string_view item) { return find<SwitchNeed>(NEEDS, item); }

std::span<const DefaultUncertainty> default_uncertainties() { return DEFAULTS; }

}  // namespace ens
