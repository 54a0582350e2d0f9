#include "ensemble/ensemble_files.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "records/record_io.h"

namespace ens {

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string field(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string q = "\"";
  for (char c : text) q.append(c == '"' ? 2 : 1, c);
  return q.append("\"");
}

// Appends a number with `decimals` decimals (correctly rounded, as printf
// rounds); never "-0.000".
void append_fixed(std::string& text, double v, int decimals) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string_view::npos) s.remove_prefix(1);
  text.append(s);
}

// A value as the model holds it: the shortest text that reads back to the
// same single-precision number, or the whole number of an integer item.
std::string held(const orv::ConfigItem& item, double v) {
  char buf[32];
  const auto r = item.type == orv::ItemType::Integer ? std::to_chars(buf, buf + sizeof buf, static_cast<long>(v))
                                                     : std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
  return std::string(buf, r.ptr);
}

std::string number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

// Writes `text` to `path` through a temporary file renamed when complete.
void write_whole(const std::string& path, const std::string& text) {
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) rec::fail(partial, 0, "cannot write the file");
  }
  std::error_code ec;
  std::filesystem::rename(partial, path, ec);
  if (ec) rec::fail(path, 0, "cannot rename " + partial + " to it: " + ec.message());
}

}  // namespace

std::vector<std::string> provenance_lines(const EnsembleSpec& spec) {
  std::vector<std::string> lines;
  std::string l = "# scenario ensemble: ";
  l.append(std::to_string(spec.members)).append(" members, Latin hypercube sampling with seed ");
  l.append(std::to_string(spec.seed)).append("; every member is the USER parameter set with full SO2");
  lines.push_back(l);
  for (const VariedItem& v : spec.varied) {
    l = "# varied: ";
    l.append(v.item->name).append(" = ").append(v.distribution.text());
    if (!v.item->unit.empty()) l.append(" (").append(v.item->unit).append(")");
    lines.push_back(l);
  }
  for (const ImpliedSetting& s : spec.implied) {
    l = "# set for every member: ";
    l.append(s.item->name).append(" = ").append(number(s.value));
    l.append(" (so that ").append(s.because).append(" acts)");
    lines.push_back(l);
  }
  if (spec.constrained) {
    const Observation& o = spec.observation;
    l = "# constrained by the warming from 1850-1900 to 2011-2020: observed ";
    l.append(number(o.value)).append(" degC, likely ").append(number(o.likely_low)).append("-");
    l.append(number(o.likely_high)).append(" degC");
    lines.push_back(l);
  } else {
    lines.push_back("# not constrained: every member has the same weight");
  }
  return lines;
}

void write_percentiles_csv(const std::string& path, const EnsembleSpec& spec,
                           std::span<const ScenarioStatistics> scenarios) {
  std::string text;
  for (const std::string& l : provenance_lines(spec)) text.append(l).append("\n");
  text.append(
      "# p05 ... p95: the 5, 17, 50, 83 and 95 % points of the members' values; weighting: unconstrained "
      "(equal weights) or constrained (weighed by the observation)\n");
  text.append("scenario,variable,unit,year,weighting,p05,p17,p50,p83,p95\n");
  for (const ScenarioStatistics& s : scenarios) {
    for (std::size_t v = 0; v < kept_variables().size(); ++v) {
      const KeptVariable& kv = kept_variables()[v];
      const auto block = [&](const char* weighting, bool constrained) {
        for (int y = s.first_year; y <= s.last_year; ++y) {
          const Band& b = s.at(v, y);
          text.append(field(s.label)).append(",").append(kv.key).append(",").append(kv.unit).append(",");
          text.append(std::to_string(y)).append(",").append(weighting);
          for (double x : constrained ? b.constrained : b.unconstrained) {
            text.append(",");
            append_fixed(text, x, kv.decimals);
          }
          text.append("\n");
        }
      };
      block("unconstrained", false);
      if (spec.constrained) block("constrained", true);
    }
  }
  write_whole(path, text);
}

void write_members_csv(const std::string& path, const EnsembleSpec& spec, const ParameterDraws& draws,
                       std::span<const ScenarioRun> runs, std::span<const ScenarioStatistics> scenarios) {
  std::string text;
  for (const std::string& l : provenance_lines(spec)) text.append(l).append("\n");
  for (const ScenarioStatistics& s : scenarios) {
    char ess[32];
    std::snprintf(ess, sizeof ess, "%.1f", s.effective_size);
    text.append("# ").append(s.label).append(": effective sample size ").append(ess);
    text.append(" of ").append(std::to_string(spec.members)).append("\n");
  }
  std::string units = "# units:";
  std::string header = "scenario,member";
  for (const orv::ConfigItem* item : draws.items) {
    header.append(",").append(item->name);
    units.append(" ").append(item->name).append(" ").append(item->unit.empty() ? "1" : item->unit).append(",");
  }
  header.append(",weight");
  units.append(" weight 1 (a scenario's weights sum to 1)");
  for (const HeadlineInfo& h : headline_table()) {
    header.append(",").append(h.key);
    units.append(", ").append(h.key).append(" ").append(h.unit);
  }
  text.append(units).append("\n").append(header).append("\n");
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const std::string label = field(runs[r].label);
    for (std::size_t k = 0; k < runs[r].members.size(); ++k) {
      text.append(label).append(",").append(std::to_string(k + 1));
      for (std::size_t d = 0; d < draws.items.size(); ++d)
        text.append(",").append(held(*draws.items[d], draws.at(k, d)));
      char w[32];
      std::snprintf(w, sizeof w, ",%.6e", scenarios[r].weights[k]);
      text.append(w);
      for (double h : runs[r].members[k].headline) {
        text.append(",");
        append_fixed(text, h, 4);
      }
      text.append("\n");
    }
  }
  write_whole(path, text);
}

}  // namespace ens
