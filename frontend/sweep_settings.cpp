#include "frontend/sweep_settings.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <set>

namespace fe {

namespace {

namespace fs = std::filesystem;

constexpr const char* DEFAULT_SCENARIOS = "RCP2.6, RCP4.5, RCP6.0, RCP8.5";
constexpr long MAX_BLOCK = 10000;

[[noreturn]] void bad(const SettingsFile& f, const Setting& s, const std::string& want) {
  fail_line(f.name, s.line, "[sweep] " + s.key + " = \"" + s.value + "\": expected " + want);
}

std::string trimmed(std::string_view t) {
  const auto first = t.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(t.substr(first, t.find_last_not_of(" \t") - first + 1));
}

bool emissions_file_name(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext == ".EMK";
}

}  // namespace

SweepSettings read_sweep_settings(const SettingsFile& f, const RunSettings& rs, const std::string& data_dir) {
  SweepSettings out;
  const Setting* list = nullptr;
  const Setting* folder = nullptr;
  for (const Setting& s : f.entries) {
    if (s.section != "sweep") continue;
    std::string key = s.key;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    if (key == "scenarios") {
      list = &s;
    } else if (key == "folder") {
      folder = &s;
    } else if (key == "block") {
      long n = 0;
      const auto r = std::from_chars(s.value.data(), s.value.data() + s.value.size(), n);
      if (r.ec != std::errc() || r.ptr != s.value.data() + s.value.size() || n < 1 || n > MAX_BLOCK)
        bad(f, s, "the members in a block of work, a whole number from 1 to " + std::to_string(MAX_BLOCK));
      out.block_members = static_cast<std::size_t>(n);
    } else {
      bad(f, s, "one of scenarios, folder or block");
    }
  }

  // Each name or path is read as [scenarios] reads one.
  Setting one = list ? *list : Setting{"sweep", "scenarios", DEFAULT_SCENARIOS, 0};
  const std::string names = one.value;
  if (list || !folder) {
    for (std::size_t at = 0; at <= names.size();) {
      const std::size_t comma = std::min(names.find(',', at), names.size());
      one.value = trimmed(std::string_view(names).substr(at, comma - at));
      if (one.value.empty()) bad(f, *list, "a comma-separated list of scenario names or emissions-profile paths");
      out.scenarios.push_back(scenario_of(f, one, rs, data_dir));
      at = comma + 1;
    }
  }
  if (folder) {
    const fs::path dir = settings_path(f, folder->value);
    std::error_code ec;
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
      if (e.is_regular_file() && emissions_file_name(e.path())) files.push_back(e.path());
    if (ec) bad(f, *folder, "a folder of emissions profiles (" + ec.message() + ")");
    if (files.empty())
      bad(f, *folder, "a folder holding emissions profiles (files ending .EMK); none in " + dir.string());
    std::sort(files.begin(), files.end());
    one = *folder;
    for (const fs::path& p : files) {
      one.value = fs::absolute(p).string();
      out.scenarios.push_back(scenario_of(f, one, rs, data_dir));
    }
  }

  std::set<std::string> labels;
  for (const Scenario& s : out.scenarios)
    if (!labels.insert(s.label).second)
      fail_line(f.name, (list ? list : folder)->line,
                "[sweep] the scenario " + s.label + " is named twice; expected each scenario once");
  return out;
}

std::string sweep_settings_text() {
  return std::string("[sweep]   # scenario sweep: the [ensemble] members for each of these scenarios\n") +
         "# scenarios = " + DEFAULT_SCENARIOS +
         "   # bundled names and/or emissions-profile paths (GAS.EMK layout)\n"
         "# folder = profiles/                           # also every *.EMK file in this folder, by name\n"
         "# block = 25                                   # members in a block of work handed to a process\n";
}

}  // namespace fe
