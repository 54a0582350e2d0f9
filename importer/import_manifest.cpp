#include "importer/import_manifest.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "engines/common/catalogue.h"
#include "frontend/settings_file.h"

namespace imp {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void bad(const fe::SettingsFile& f, const fe::Setting& s, const std::string& expected) {
  fe::fail_line(f.name, s.line,
                "[" + s.section + "] " + s.key + " = \"" + s.value + "\": expected " + expected);
}

std::string resolve(const fe::SettingsFile& f, const std::string& path) {
  fs::path p(path);
  if (p.is_relative()) p = fs::absolute(fs::path(f.name).parent_path() / p);
  return p.lexically_normal().string();
}

// Comma-separated paths, each an existing folder or file.
std::vector<std::string> paths(const fe::SettingsFile& f, const fe::Setting& s) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos <= s.value.size()) {
    std::size_t comma = s.value.find(',', pos);
    std::string item = s.value.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    pos = comma == std::string::npos ? s.value.size() + 1 : comma + 1;
    item.erase(0, item.find_first_not_of(" \t"));
    item.erase(item.find_last_not_of(" \t") + 1);
    if (item.empty()) continue;
    const std::string p = resolve(f, item);
    if (!fs::exists(p)) bad(f, s, "existing folders or netCDF files, separated by commas (" + p + " not found)");
    out.push_back(p);
  }
  if (out.empty()) bad(f, s, "one or more folders or netCDF files, separated by commas");
  return out;
}

// "YYYY-YYYY" with first <= last.
void epoch(const fe::SettingsFile& f, const fe::Setting& s, int& first, int& last) {
  const std::string& v = s.value;
  const std::size_t dash = v.find('-', 1);
  auto number = [&](std::string_view t, int& out) {
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
    return ec == std::errc() && p == t.data() + t.size();
  };
  if (dash == std::string::npos || !number(std::string_view(v).substr(0, dash), first) ||
      !number(std::string_view(v).substr(dash + 1), last) || first > last - 2 || first < 1)
    bad(f, s, "an epoch \"FIRST-LAST\" of whole years, at least three years long (e.g. 1961-1990)");
}

// The section of catalogue slot k: the model code in lower case, "gc01".
std::string lower_code(int k) {
  std::string code(eng::MODCODE_TABLE[k].substr(0, 4));
  for (char& ch : code) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return code;
}

}  // namespace

std::vector<std::string> files_of(const std::vector<std::string>& paths, const std::string& var) {
  std::vector<std::string> out;
  const std::string prefix = var + "_";
  for (const std::string& p : paths) {
    if (fs::is_directory(p)) {
      for (const auto& e : fs::directory_iterator(p)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && name.starts_with(prefix) && name.ends_with(".nc")) out.push_back(e.path().string());
      }
    } else if (fs::path(p).filename().string().starts_with(prefix)) {
      out.push_back(p);
    }
  }
  // A file reached twice (one folder given for both experiments) is one file.
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

ImportManifest read_manifest(const std::string& path) {
  const fe::SettingsFile f = fe::read_settings(path);
  ImportManifest m;
  m.path = path;
  for (const fe::Setting& s : f.entries) {
    if (s.section == "import") {
      if (s.key == "tree") m.tree = resolve(f, s.value);
      else if (s.key == "baseline") epoch(f, s, m.epochs.base_first, m.epochs.base_last);
      else if (s.key == "future") epoch(f, s, m.epochs.future_first, m.epochs.future_last);
      else bad(f, s, "one of the keys tree, baseline, future");
    } else if (s.section == "observed") {
      const int set = s.key.starts_with("new_") ? 0 : s.key.starts_with("old_") ? 1 : -1;
      const std::string var = set < 0 ? "" : s.key.substr(4);
      if (set < 0 || (var != "tas" && var != "pr")) bad(f, s, "one of the keys new_tas, new_pr, old_tas, old_pr");
      (var == "tas" ? m.observed[set].tas : m.observed[set].pr) = paths(f, s);
    } else if (s.section == "aerosol") {
      const int region = s.key == "europe" ? 0 : s.key == "asia" ? 1 : s.key == "rest_of_world" ? 2 : -1;
      if (region < 0) bad(f, s, "one of the keys europe, asia, rest_of_world");
      const std::vector<std::string> p = paths(f, s);
      if (p.size() != 1 || !fs::is_regular_file(p[0])) bad(f, s, "one netCDF file");
      m.aerosol[region] = p[0];
    } else {
      int slot = 0;
      for (int k = 1; k <= eng::NCATALOGUE; ++k)
        if (s.section == lower_code(k)) slot = k;
      if (slot == 0)
        fe::fail_line(f.name, s.line, "[" + s.section + "]: expected a section [import], [gc01] … [gc17], "
                                      "[observed] or [aerosol]");
      auto it = std::find_if(m.models.begin(), m.models.end(), [&](const ModelSource& x) { return x.slot == slot; });
      if (it == m.models.end()) {
        m.models.push_back(ModelSource{slot, "", {}, {}});
        it = m.models.end() - 1;
      }
      if (s.key == "name") {
        if (s.value.empty() || s.value.size() > 40 || s.value.find_first_of(" \t") != std::string::npos)
          bad(f, s, "the model's name, one word of at most 40 characters");
        it->name = s.value;
      } else if (s.key == "historical") it->historical = paths(f, s);
      else if (s.key == "scenario") it->scenario = paths(f, s);
      else bad(f, s, "one of the keys name, historical, scenario");
    }
  }

  if (m.tree.empty()) fe::fail_line(f.name, 0, "[import] tree is missing: the folder to write the tree into");
  if (m.epochs.future_first <= m.epochs.base_last)
    fe::fail_line(f.name, 0, "the future epoch must start after the baseline epoch ends");
  if (m.models.empty()) fe::fail_line(f.name, 0, "no model: expected sections [gc01], [gc02] … in order");
  std::sort(m.models.begin(), m.models.end(), [](const auto& a, const auto& b) { return a.slot < b.slot; });
  for (std::size_t k = 0; k < m.models.size(); ++k) {
    const ModelSource& ms = m.models[k];
    const std::string code(eng::MODCODE_TABLE[ms.slot].substr(0, 4));
    if (ms.slot != static_cast<int>(k) + 1)
      fe::fail_line(f.name, 0, "models are given slots in order: [" + code + "] comes without [" +
                                   std::string(eng::MODCODE_TABLE[k + 1].substr(0, 4)) + "]");
    if (ms.name.empty() || ms.historical.empty() || ms.scenario.empty())
      fe::fail_line(f.name, 0, "[" + code + "] needs name, historical and scenario");
  }
  const int aerosols = static_cast<int>(!m.aerosol[0].empty()) + !m.aerosol[1].empty() + !m.aerosol[2].empty();
  if (aerosols != 0 && aerosols != 3)
    fe::fail_line(f.name, 0, "[aerosol] needs all three patterns (europe, asia, rest_of_world) or none");
  return m;
}

std::string manifest_template() {
  return R"(# tesseraimport manifest: which climate-model output becomes the engines' data tree.
# Paths are folders or netCDF files, separated by commas; relative paths start
# at this file's folder. In a folder, the files named tas_*.nc and pr_*.nc are
# read (CMIP file names: tas_Amon_MODEL_EXPERIMENT_VARIANT_GRID_YYYYMM-YYYYMM.nc).

[import]
tree = tessera-tree        # the folder to write (replaced if it holds an earlier tree)
baseline = 1961-1990       # baseline epoch, whole years
future = 2071-2100         # future epoch, whole years

# One section per model, [gc01], [gc02] … in order (up to [gc17]): the model
# takes that catalogue slot. Each experiment's monthly tas and pr, possibly
# split over several files by time. Historical and scenario together must
# cover December of the year before the baseline to the end of the future.
[gc01]
name = MODEL-A             # the model's name (one word), shown in every report
historical = cmip6/MODEL-A/historical
scenario = cmip6/MODEL-A/ssp245

# Optional: observed climatologies, regridded like the models: a 12-month
# climatology or a monthly series covering the baseline epoch. NEW is the
# engines' observed set 7, OLD set 8. Without them those fields are written
# all missing.
[observed]
# new_tas = obs/tas_climatology.nc
# new_pr = obs/pr_climatology.nc
# old_tas =
# old_pr =

# Optional: regional sulphate-aerosol response patterns, one netCDF file per
# region with variables tas (degC per degC of regional weight) and pr (% per
# degC) of dimensions (season, lat, lon), 17 seasons in the engines' order
# JAN … DEC, DJF, MAM, JJA, SON, ANN. Without them no pattern files are
# written and the front end refuses aerosols = on.
[aerosol]
# europe = aerosol/europe.nc
# asia = aerosol/asia.nc
# rest_of_world = aerosol/rest_of_world.nc
)";
}

}  // namespace imp
