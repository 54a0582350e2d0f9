// The two CSV files of results/: global.csv, every value of the climate
// model's series in long form, and regional.csv, the area averages and
// their statistics of both engines. RFC 4180: a header row, CR LF line
// ends, fields quoted when they hold a comma, a quote or a line end.
// A value the source file could not show (asterisks, NaN, Inf) or marked
// missing is an empty field.
#pragma once

#include <string>
#include <vector>

#include "results/global_results.h"
#include "results/regional_results.h"

namespace res {

// scenario, parameter_set, variable, unit, year, value
void write_global_csv(const std::string& path, const std::vector<GlobalResults>& scenarios);

// scenario, engine, field, case, statistic, unit, value
void write_regional_csv(const std::string& path, const std::vector<RegionalResults>& scenarios);

// One field of a CSV record, quoted when it needs to be.
std::string csv_field(const std::string& text);

}  // namespace res
