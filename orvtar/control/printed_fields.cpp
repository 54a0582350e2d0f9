#include "orvtar/control/printed_fields.h"

#include <span>

#include "orvtar/control/display_layouts.h"
#include "orvtar/control/temperature_table_layout.h"
#include "records/format_spec.h"

namespace orv {
namespace {

void add_display(std::vector<PrintedField>& out, Output o, std::string_view file, std::string_view row,
                 std::span<const DisplayColumn> columns, Baseline baseline, int first_year, const OrvState& run) {
  const auto fields = rec::real_fields(row);
  for (std::size_t c = 0; c < columns.size() && c < fields.size(); ++c)
    if (columns[c].output == o)
      out.push_back({file, columns[c].label, fields[c].width, fields[c].decimals, baseline, first_year, run.IDISSTEP});
}

// The series behind the report table's columns.
struct TableSeries {
  TempColumn column;
  Output output;
};
constexpr TableSeries TABLE_SERIES[] = {
    {&TempColumns::TEMP, Output::Temperature},         {&TempColumns::MSLTOT, Output::SeaLevel},
    {&TempColumns::EXPN, Output::SeaLevelExpansion},   {&TempColumns::GLAC, Output::SeaLevelGlaciers},
    {&TempColumns::GREENL, Output::SeaLevelGreenland}, {&TempColumns::ANTAR, Output::SeaLevelAntarctica},
    {&TempColumns::ZXTRA, Output::SeaLevelOther},
};

void add_report_table(std::vector<PrintedField>& out, Output o, const OrvState& run) {
  if (run.ITEMPTAB < 1 || run.ITEMPTAB > 5) return;
  const temperature_table::Layout& layout = temperature_table::LAYOUTS[run.ITEMPTAB];
  const auto fields = rec::real_fields(layout.row);
  for (const TableSeries& t : TABLE_SERIES) {
    if (t.output != o) continue;
    for (std::size_t c = 0; c < layout.columns.size() && c < fields.size(); ++c)
      if (layout.columns[c] == t.column)
        out.push_back(
            {"ORV.OUT", "", fields[c].width, fields[c].decimals, Baseline::ReferenceYear, run.IPRTYR1, run.IPRTSTEP});
  }
}

}  // namespace

std::vector<PrintedField> printed_fields(Output o, const OrvState& run) {
  std::vector<PrintedField> out;
  add_display(out, o, temps_dis::NAME, temps_dis::ROW, temps_dis::COLUMNS, Baseline::ReferenceYear, 1765, run);
  add_display(out, o, sealev_dis::NAME, sealev_dis::ROW, sealev_dis::COLUMNS, Baseline::ReferenceYear, 1765, run);
  add_display(out, o, concs_dis::NAME, concs_dis::ROW_FROM_1990, concs_dis::COLUMNS, Baseline::None, 1765, run);
  add_display(out, o, forcings_dis::NAME, forcings_dis::ROW, forcings_dis::COLUMNS, Baseline::Year1990, 1990, run);
  add_display(out, o, emiss_dis::NAME, emiss_dis::ROW, emiss_dis::COLUMNS, Baseline::None, 1990, run);
  add_report_table(out, o, run);
  return out;
}

}  // namespace orv
