#include "results/global_results.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "orvtar/control/display_layouts.h"
#include "orvtar/control/temperature_table_layout.h"
#include "records/format_spec.h"
#include "records/message_text.h"
#include "records/record_io.h"

namespace res {

namespace {

using orv::DisplayColumn;

// The decimals of the real fields of a format, in order.
std::vector<int> real_decimals(std::string_view format) {
  std::vector<int> d;
  const rec::FormatSpec& spec = rec::format_spec(format);
  for (const rec::FormatOp& op : spec.ops)
    if (op.code == rec::FormatOp::Code::Real) d.insert(d.end(), static_cast<std::size_t>(op.repeat), op.decimals);
  return d;
}

// An empty series per column, with its key, unit, set, source and decimals.
std::vector<Series> series_of(std::string_view file, std::span<const DisplayColumn> columns,
                              std::string_view row_format, std::optional<orv::ParameterSet> set = std::nullopt) {
  const std::vector<int> decimals = real_decimals(row_format);
  std::vector<Series> out;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const DisplayColumn& c = columns[k];
    Series s;
    s.variable = std::string(c.variable());
    s.unit = std::string(orv::info(c.output).unit);
    s.set = c.set ? c.set : set;
    s.source = std::string(file) + " " + std::string(c.label);
    s.decimals = decimals.at(k);
    out.push_back(std::move(s));
  }
  return out;
}

void append(std::vector<Series>& series, int year, std::span<const double> values) {
  for (std::size_t k = 0; k < values.size() && k < series.size(); ++k) {
    series[k].years.push_back(year);
    series[k].values.push_back(values[k]);
  }
}

std::string record_text(std::string_view format) { return rec::format_records(format, {}).back(); }

// A value the writer could not print as a number: NaN or an infinity, as
// the record layer writes them right-justified in the field.
bool unprintable(std::string_view field) {
  const auto from = field.find_first_not_of(' ');
  if (from == std::string_view::npos) return false;
  const std::string_view text = field.substr(from);
  return text == "NaN" || text == "Inf" || text == "-Inf" || text == "+Inf";
}

// The row with every real field that holds NaN or an infinity turned into
// asterisks, the mark of a value the field could not show, so that each
// column reads on its own: such a value is missing in its column only and
// the row's other numbers stay. Rows are flat formats: nX, quoted text,
// Iw and rFw.d.
std::string by_column(std::string_view record, std::string_view format) {
  std::string row(record);
  std::size_t col = 0;
  for (const rec::FormatOp& op : rec::format_spec(format).ops) {
    const auto width = static_cast<std::size_t>(op.width);
    switch (op.code) {
      case rec::FormatOp::Code::Text: col += op.text.size(); break;
      case rec::FormatOp::Code::Skip: col += width; break;
      case rec::FormatOp::Code::Int: col += width * static_cast<std::size_t>(op.repeat); break;
      case rec::FormatOp::Code::Real:
        for (int k = 0; k < op.repeat; ++k, col += width)
          if (col < row.size() && unprintable(std::string_view(row).substr(col, width)))
            row.replace(col, std::min(width, row.size() - col), std::min(width, row.size() - col), '*');
        break;
      default: return row;
    }
  }
  return row;
}

// The rows of a display file: the header, rows until the header comes
// again. `each_row` reads one row's text into the year and the values.
template <class EachRow>
void read_rows(const std::string& path, std::string_view header, EachRow&& each_row) {
  rec::Unit in(path, rec::Status::Old);
  const std::string head = record_text(header);
  std::string record;
  in.read("(A)", {record});
  if (record != head) rec::fail(path, in.records(), "expected the column header " + rec::quoted(head));
  for (;;) {
    record.clear();
    in.read("(A)", {record});
    if (record == head) return;
    each_row(std::string_view(record), in.records());
  }
}

// Parses one row of `format` column by column (by_column) into `items`.
void parse_row(std::string_view record, std::string_view format, std::vector<rec::In> items, const std::string& path,
               long number) {
  const std::string row = by_column(record, format);
  const std::string_view text[] = {row};
  rec::parse_records(text, format, items, path, number, true);
}

std::vector<Series> read_simple(const std::string& path, std::string_view name, std::string_view header,
                                std::string_view row, std::span<const DisplayColumn> columns) {
  std::vector<Series> series = series_of(name, columns, row);
  std::vector<double> v(columns.size());
  read_rows(path, header, [&](std::string_view text, long record) {
    int year = 0;
    parse_row(text, row, {year, v}, path, record);
    append(series, year, v);
  });
  return series;
}

std::vector<Series> read_concs(const std::string& path) {
  namespace L = orv::concs_dis;
  std::vector<Series> series = series_of(L::NAME, L::COLUMNS, L::ROW_FROM_1990);
  read_rows(path, L::HEADER, [&](std::string_view text, long record) {
    int year = 0;
    parse_row(text, "(1X,I4)", {year}, path, record);
    std::vector<double> v(year < L::FIRST_YEAR_WITH_LIFETIME ? std::size(L::COLUMNS) - 1 : std::size(L::COLUMNS));
    parse_row(text, L::row_format(year), {year, v}, path, record);
    append(series, year, v);
  });
  return series;
}

std::vector<Series> read_forcings(const std::string& path) {
  namespace L = orv::forcings_dis;
  std::vector<Series> series = series_of(L::NAME, L::COLUMNS, L::ROW);
  std::vector<double> v(std::size(L::COLUMNS));
  const std::span<double> first = std::span<double>(v).first(L::COLUMNS_BEFORE_SECOND_YEAR);
  const std::span<double> rest = std::span<double>(v).subspan(L::COLUMNS_BEFORE_SECOND_YEAR);
  read_rows(path, L::HEADER, [&](std::string_view text, long record) {
    int year = 0, again = 0;
    parse_row(text, L::ROW, {year, first, again, rest}, path, record);
    append(series, year, v);
  });
  return series;
}

}  // namespace

std::optional<double> Series::at(int year) const {
  for (std::size_t k = 0; k < years.size(); ++k)
    if (years[k] == year) return std::isnan(values[k]) ? std::nullopt : std::optional<double>(values[k]);
  return std::nullopt;
}

std::vector<Series> read_display_file(const std::string& dir, DisplayFile file) {
  const auto path = [&](std::string_view name) { return dir + "/" + std::string(name); };
  switch (file) {
    case DisplayFile::Temps: {
      namespace L = orv::temps_dis;
      return read_simple(path(L::NAME), L::NAME, L::HEADER, L::ROW, L::COLUMNS);
    }
    case DisplayFile::SeaLevel: {
      namespace L = orv::sealev_dis;
      return read_simple(path(L::NAME), L::NAME, L::HEADER, L::ROW, L::COLUMNS);
    }
    case DisplayFile::Concentrations: return read_concs(path(orv::concs_dis::NAME));
    case DisplayFile::Forcings: return read_forcings(path(orv::forcings_dis::NAME));
    case DisplayFile::Emissions: {
      namespace L = orv::emiss_dis;
      return read_simple(path(L::NAME), L::NAME, L::HEADER, L::ROW, L::COLUMNS);
    }
  }
  return {};
}

std::vector<Series> read_drive_file(const std::string& dir, orv::ParameterSet set, bool scaled) {
  namespace L = orv::drive_files;
  const std::string name = std::string(L::STEM[static_cast<int>(set)]) + std::string(scaled ? L::SCALED : L::RAW);
  const std::span<const DisplayColumn> columns = scaled ? std::span<const DisplayColumn>(L::SCALED_COLUMNS)
                                                        : std::span<const DisplayColumn>(L::RAW_COLUMNS);
  std::vector<Series> series = series_of(name, columns, L::ROW, set);
  const std::string path = dir + "/" + name;
  rec::Unit in(path, rec::Status::Old);
  for (int k = 0; k < L::HEAD_RECORDS; ++k) in.skip();
  std::vector<double> v(columns.size());
  for (std::string record; in.read_unless_eof("(A)", {record}); record.clear()) {
    int year = 0;
    parse_row(record, L::ROW, {year, v}, path, in.records());
    append(series, year, v);
  }
  return series;
}

ReportTables read_report_tables(const std::string& orv_out) {
  namespace T = orv::temperature_table;
  using orv::TempColumns;
  // The four terms, their series and the layout column that holds them.
  struct Term {
    orv::TempColumn column;
    orv::Output output;
  };
  constexpr Term TERMS[] = {{&TempColumns::EXPN, orv::Output::SeaLevelExpansion},
                            {&TempColumns::GLAC, orv::Output::SeaLevelGlaciers},
                            {&TempColumns::GREENL, orv::Output::SeaLevelGreenland},
                            {&TempColumns::ANTAR, orv::Output::SeaLevelAntarctica}};

  const std::string title = rec::format_records(T::TITLE, {0}).back();
  const std::string title_start = title.substr(0, title.find("FROM") + 4);
  std::string set_line[5], header[6];
  for (int p = 1; p <= 4; ++p) set_line[p] = record_text(T::PARAMETER_SET[p]);
  for (int k = 1; k <= 5; ++k) header[k] = record_text(T::LAYOUTS[k].header);

  ReportTables out;
  bool seen[5] = {};
  int set = 0;
  rec::Unit in(orv_out, rec::Status::Old);
  std::string record;
  while (in.read_unless_eof("(A)", {record})) {
    if (record.starts_with(title_start)) {
      const std::string_view text[] = {"", record};
      int irefyr = 0;
      rec::parse_records(text, T::TITLE, std::vector<rec::In>{irefyr}, orv_out, in.records() - 1);
      if (out.reference_year == 0) out.reference_year = irefyr;
      set = 0;
    }
    for (int p = 1; p <= 4; ++p)
      if (record == set_line[p]) set = p;
    for (int k = 1; k <= 5 && set != 0; ++k) {
      if (record != header[k]) continue;
      const T::Layout& layout = T::LAYOUTS[k];
      const bool keep = !seen[set];
      seen[set] = true;
      const std::vector<int> decimals = real_decimals(layout.row);
      std::vector<Series> terms;
      std::vector<std::size_t> at;
      for (const Term& t : TERMS) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
          if (layout.columns[c] != t.column) continue;
          Series s;
          s.variable = std::string(orv::info(t.output).key);
          s.unit = std::string(orv::info(t.output).unit);
          s.set = static_cast<orv::ParameterSet>(set);
          s.source = "ORV.OUT temperature and sea-level table";
          s.decimals = decimals[c];
          terms.push_back(std::move(s));
          at.push_back(c);
        }
      }
      in.skip();  // the "TO1990" line
      std::vector<double> v(layout.columns.size());
      for (;;) {
        record.clear();
        in.read("(A)", {record});
        if (record == header[k]) break;
        int year = 0, again = 0;
        parse_row(record, layout.row, {year, v, again}, orv_out, in.records());
        for (std::size_t n = 0; n < terms.size(); ++n) {
          terms[n].years.push_back(year);
          terms[n].values.push_back(v[at[n]]);
        }
      }
      if (keep)
        for (Series& s : terms) out.sea_level_terms.push_back(std::move(s));
      set = 0;
    }
    record.clear();
  }
  if (out.reference_year == 0) rec::fail(orv_out, 0, "no temperature and sea-level table (\"" + title_start + "\")");
  return out;
}

const Series* GlobalResults::find(std::string_view variable, std::optional<orv::ParameterSet> set) const {
  for (const Series& s : series)
    if (s.variable == variable && s.set == set) return &s;
  return nullptr;
}

int GlobalResults::overflowed() const {
  int n = 0;
  for (const Series& s : series)
    for (double v : s.values) n += std::isnan(v) ? 1 : 0;
  return n;
}

GlobalResults read_global_results(const std::string& dir, const std::string& scenario) {
  GlobalResults g;
  g.scenario = scenario;
  g.folder = dir;
  const auto add = [&](std::vector<Series> s) {
    for (Series& x : s) g.series.push_back(std::move(x));
  };
  for (DisplayFile f : {DisplayFile::Temps, DisplayFile::SeaLevel, DisplayFile::Concentrations,
                        DisplayFile::Forcings, DisplayFile::Emissions})
    add(read_display_file(dir, f));
  for (orv::ParameterSet p : {orv::ParameterSet::Low, orv::ParameterSet::Mid, orv::ParameterSet::High,
                              orv::ParameterSet::User}) {
    std::vector<Series> raw = read_drive_file(dir, p, false);
    std::vector<Series> scaled = read_drive_file(dir, p, true);
    // GHG and SUM are the same columns in both files: kept once, from .raw.
    for (Series& s : scaled)
      if (s.variable.ends_with("_scaled")) raw.push_back(std::move(s));
    add(std::move(raw));
  }
  ReportTables t = read_report_tables(dir + "/ORV.OUT");
  g.reference_year = t.reference_year;
  add(std::move(t.sea_level_terms));
  return g;
}

}  // namespace res
