#include "orvtar/control/input_bounds.h"

#include <string>

#include "orvtar/control/input_errors.h"
#include "records/record_io.h"

namespace orv {
namespace {

// The ranges are wide: they refuse what no scenario or history can hold
// (a typing slip, a value in the wrong unit, 1e30), not what is merely
// unusual. The emissions of 2000 are those of the bundled RCP4.5 profile.
constexpr std::string_view SO2_CHANGE_REASON =
    "a fall of more than 80 exceeds the whole world's 1990 emission (64 to 67 TgS/yr); "
    "200 is nearly three times the world's highest emission (about 75 TgS/yr, late 1970s)";

constexpr InputColumn GASEMK_COLUMNS[] = {
    {"fossil CO2", "GtC/yr", -50, 100,
     "up to about fifteen times the emission of 2000 (6.7 GtC/yr); negative for net removal, as in "
     "the overshoot pathways (down to -5.3 GtC/yr)"},
    {"land-use CO2", "GtC/yr", -20, 20,
     "net land-use fluxes have stayed within about 2 GtC/yr either way (bundled pathways -1.3 to "
     "1.6 GtC/yr); negative for regrowth"},
    {"CH4", "TgCH4/yr", 0, 3000,
     "anthropogenic sources are not negative; 3000 is ten times the emission of 2000 (300 TgCH4/yr) "
     "and three times the highest bundled pathway (923 TgCH4/yr)"},
    {"N2O", "TgN/yr", 0, 50,
     "anthropogenic sources are not negative; 50 is about seven times the emission of 2000 "
     "(7.5 TgN/yr) and three times the highest bundled pathway (15.8 TgN/yr)"},
    {"NOx", "TgN/yr", 0, 400, "sources are not negative; 400 is about ten times the emission of 2000 (38 TgN/yr)"},
    {"VOC", "Tg/yr", 0, 2000, "sources are not negative; 2000 is about ten times the emission of 2000 (211 Tg/yr)"},
    {"CO", "Tg/yr", 0, 10000, "sources are not negative; 10000 is about ten times the emission of 2000 (1068 Tg/yr)"},
    {"SO2 region 1 change from 1990", "TgS/yr", -80, 200, SO2_CHANGE_REASON},
    {"SO2 region 2 change from 1990", "TgS/yr", -80, 200, SO2_CHANGE_REASON},
    {"SO2 region 3 change from 1990", "TgS/yr", -80, 200, SO2_CHANGE_REASON},
    {"CF4", "kt/yr", 0, 250, "emissions are not negative; 250 is ten times the highest bundled pathway (24 kt/yr)"},
    {"C2F6", "kt/yr", 0, 50, "emissions are not negative; 50 is ten times the highest bundled pathway (5.4 kt/yr)"},
    {"HFC-125", "kt/yr", 0, 10000,
     "emissions are not negative; 10000 is more than ten times the highest bundled pathway (874 kt/yr)"},
    {"HFC-134a", "kt/yr", 0, 10000,
     "emissions are not negative; 10000 is more than ten times the highest bundled pathway (731 kt/yr)"},
    {"HFC-143a", "kt/yr", 0, 5000,
     "emissions are not negative; 5000 is ten times the highest bundled pathway (342 kt/yr)"},
    {"HFC-227ea", "kt/yr", 0, 150,
     "emissions are not negative; 150 is ten times the highest bundled pathway (11.6 kt/yr)"},
    {"HFC-245", "kt/yr", 0, 2000,
     "emissions are not negative; 2000 is ten times the highest bundled pathway (194 kt/yr)"},
    {"SF6", "kt/yr", 0, 200, "emissions are not negative; 200 is ten times the highest bundled pathway (16.9 kt/yr)"},
};

constexpr std::string_view CO2_REASON =
    "100 is well below the lowest concentration of the glacial cycles (about 180 ppm); 5000 is "
    "eighteen times the pre-industrial concentration, beyond any emission pathway";

constexpr InputColumn CO2HIST_COLUMNS[] = {
    {"CO2", "ppm", 100, 5000, CO2_REASON},
    {"tropospheric-ozone shape", "W/m**2", -20, 20,
     "only its shape is used, but no historical forcing reaches 20 W/m**2 either way (the bundled "
     "series rises from 0 to 0.37)"},
};

constexpr std::string_view HALO_FORCING_REASON =
    "ten times the largest halocarbon or stratospheric-ozone forcing of the bundled files "
    "(0.47 W/m**2) either way";

constexpr InputColumn QHALOS_COLUMNS[] = {
    {"MONTDIR", "W/m**2", -5, 5, HALO_FORCING_REASON},
    {"STRATO3", "W/m**2", -5, 5, HALO_FORCING_REASON},
    {"KYOTO8 (other halocarbons to zero)", "W/m**2", -5, 5, HALO_FORCING_REASON},
    {"other halocarbons (to zero)", "W/m**2", -5, 5, HALO_FORCING_REASON},
    {"KYOTO8 (other halocarbons constant)", "W/m**2", -5, 5, HALO_FORCING_REASON},
    {"other halocarbons (constant)", "W/m**2", -5, 5, HALO_FORCING_REASON},
};

constexpr InputColumn CO2INPUT_COLUMNS[] = {
    {"CO2", "ppm", 100, 5000, CO2_REASON},
};

constexpr InputColumn QEXTRA_COLUMNS[] = {
    {"extra forcing", "W/m**2", -20, 20,
     "twice the forcing of the highest pathways (8.5 W/m**2 in 2100) and beyond the year's mean "
     "forcing of the largest eruptions of the last centuries (a few W/m**2)"},
};

constexpr InputTable GASEMK{"GAS.EMK", "gas-emk.md", GASEMK_COLUMNS};
constexpr InputTable CO2HIST{"co2hist.IN", "co2hist-in.md", CO2HIST_COLUMNS};
constexpr InputTable QHALOS{"QHALOS.IN", "qhalos-in.md", QHALOS_COLUMNS};
constexpr InputTable CO2INPUT{"co2input.dat", "co2input-dat.md", CO2INPUT_COLUMNS};
constexpr InputTable QEXTRA{"qextra.in", "qextra-in.md", QEXTRA_COLUMNS, true};

constexpr const InputTable* TABLES[] = {&CO2HIST, &GASEMK, &QHALOS, &CO2INPUT, &QEXTRA};

}  // namespace

const InputTable& gasemk_table() { return GASEMK; }
const InputTable& co2hist_table() { return CO2HIST; }
const InputTable& qhalos_table() { return QHALOS; }
const InputTable& co2input_table() { return CO2INPUT; }
const InputTable& qextra_table() { return QEXTRA; }

std::span<const InputTable* const> input_tables() { return TABLES; }

std::string input_range_text(const InputColumn& c) {
  return value_text(c.lower) + " to " + value_text(c.upper) + " " + std::string(c.unit);
}

void check_input_value(std::string_view file, long record, const InputTable& table, int position, float value) {
  const InputColumn& c = table.column(position);
  // Written so that NaN fails too.
  if (value >= c.lower && value <= c.upper) return;
  const int first = 7 + 10 * (position - 1);
  rec::fail(file, record,
            std::string(c.name) + " (columns " + std::to_string(first) + "-" + std::to_string(first + 9) +
                ") = " + value_text(value) + " " + std::string(c.unit) + "; expected " + input_range_text(c) + ": " +
                std::string(c.reason));
}

}  // namespace orv
