#include "doctools/input_bounds_page.h"

#include <sstream>
#include <string_view>

#include "doctools/markdown_text.h"
#include "orvtar/control/input_errors.h"
#include "records/record_io.h"

namespace doc {
namespace {

constexpr std::string_view BEGIN =
    "<!-- Plausible values: generated from the table orvtar/control/input_bounds.cpp by `doctool input-bounds`; "
    "do not edit. After a change to the table: cmake --build BUILD --target update-docs -->\n";
constexpr std::string_view END = "<!-- End of the generated part. -->\n";

std::string columns_text(int position) {
  const int first = 7 + 10 * (position - 1);
  return std::to_string(first) + "-" + std::to_string(first + 9);
}

}  // namespace

std::string input_bounds_part(const orv::InputTable& table) {
  std::ostringstream out;
  out << BEGIN << "## Plausible values\n\n"
      << "Each value of the data records read from " << table.file
      << " is checked as it is\n"
         "read: a value outside the range of its column below, and any value that is\n"
         "not a finite number, ends the run naming the file, the record, the column,\n"
         "the value and the range (exit status 2). The ranges refuse what no scenario\n"
         "or history can hold, not what is merely unusual.\n\n"
         "| # | columns | quantity | unit | plausible values | why |\n"
         "|---|---|---|---|---|---|\n";
  int position = 0;
  for (const orv::InputColumn& c : table.columns) {
    ++position;
    out << "| " << (table.every_value ? "every value" : std::to_string(position)) << " | "
        << (table.every_value ? "from 7, 10 each" : columns_text(position)) << " | " << cell(c.name) << " | "
        << cell(c.unit) << " | " << cell(orv::value_text(c.lower)) << " to " << cell(orv::value_text(c.upper)) << " | "
        << cell(c.reason) << " |\n";
  }
  out << END;
  return out.str();
}

std::string with_input_bounds(const std::string& page, const std::string& page_name, const orv::InputTable& table) {
  const std::size_t begin = page.find(BEGIN);
  const std::size_t end = begin == std::string::npos ? begin : page.find(END, begin);
  if (end == std::string::npos) {
    rec::fail(page_name, 0,
              "expected the marker lines of the generated part:\n" + std::string(BEGIN) + "...\n" + std::string(END));
  }
  return page.substr(0, begin) + input_bounds_part(table) + page.substr(end + END.size());
}

}  // namespace doc
