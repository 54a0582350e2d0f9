#include "frontend/settings_copy.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <vector>

#include "frontend/bundled_scenarios.h"
#include "frontend/run_settings.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A value that names a scenario by path rather than by a bundled name.
bool scenario_path(std::string_view v) { return !v.empty() && !find_bundled(v); }

// Where, in the value of `s`, a path begins and how long it is.
struct Span {
  std::size_t at, size;
};
std::vector<Span> paths_in(const Setting& s) {
  const std::string key = lower(s.key);
  const std::string& v = s.value;
  if (v.empty()) return {};
  if (s.section == "scenarios" && key != "reference_es1990" && key != "policy_es1990")
    return scenario_path(v) ? std::vector<Span>{{0, v.size()}} : std::vector<Span>{};
  if ((s.section == "inputs") || (s.section == "engines" && key == "data_root") ||
      (s.section == "sweep" && key == "folder"))
    return {{0, v.size()}};
  if (s.section == "engines" && key == "area" && lower(v.substr(0, 5)) == "mask ") {
    const std::size_t at = v.find_first_not_of(" \t", 5);
    return at == std::string::npos ? std::vector<Span>{} : std::vector<Span>{{at, v.size() - at}};
  }
  std::vector<Span> out;
  if (s.section == "sweep" && key == "scenarios") {
    for (std::size_t at = 0; at <= v.size();) {
      const std::size_t comma = std::min(v.find(',', at), v.size());
      const std::size_t b = v.find_first_not_of(" \t", at);
      if (b < comma) {
        const std::size_t e = v.find_last_not_of(" \t", comma - 1);
        if (scenario_path(std::string_view(v).substr(b, e + 1 - b))) out.push_back({b, e + 1 - b});
      }
      at = comma + 1;
    }
  }
  return out;
}

}  // namespace

std::string settings_copy(const SettingsFile& file) {
  const std::string& text = file.text;
  std::vector<std::string> lines;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t nl = std::min(text.find('\n', at), text.size());
    lines.push_back(text.substr(at, nl - at));
    at = nl + 1;
  }
  for (const Setting& s : file.entries) {
    std::string& line = lines.at(static_cast<std::size_t>(s.line - 1));
    const std::size_t value_at = line.find(s.value, line.find('='));
    std::vector<Span> spans = paths_in(s);
    std::reverse(spans.begin(), spans.end());  // from the right, so the earlier places stay
    for (const Span& p : spans) {
      const std::string path = s.value.substr(p.at, p.size);
      if (fs::path(path).is_absolute()) continue;
      line.replace(value_at + p.at, p.size, settings_path(file, path));
    }
  }
  std::string out;
  for (std::size_t k = 0; k < lines.size(); ++k) out += (k ? "\n" : "") + lines[k];
  return out;
}

}  // namespace fe
