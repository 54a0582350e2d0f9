#include "frontend/data_tree.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "engines/common/catalogue.h"
#include "frontend/settings_file.h"

namespace fe {

namespace fs = std::filesystem;

std::string given_data_root(const EngineSettings& e) {
  if (!e.data_root.empty()) return e.data_root;
  if (const char* env = std::getenv("TESSERA_DATA_ROOT"); env && *env && fs::is_directory(env)) return env;
  return "";
}

std::string data_tree_problem(const std::string& root) {
  std::error_code ec;
  if (!fs::is_directory(root, ec)) return root + " is not a folder";
  if (!fs::is_directory(root + "/TRELLIS5", ec))
    return root + " has no TRELLIS5 folder, which every tree made by tesseragen or tesseraimport has";
  return "";
}

DataTree read_data_tree(const std::string& root, bool synthetic) {
  DataTree t;
  t.root = root;
  t.synthetic = synthetic;
  const std::string ini = root + "/TREE.INI";
  if (synthetic || !fs::is_regular_file(ini)) return t;
  const SettingsFile f = read_settings(ini);
  t.imported = true;
  auto value = [&](const char* section, const char* key) {
    const Setting* s = f.find(section, key);
    return s ? s->value : std::string();
  };
  t.tool = value("tree", "tool");
  t.date = value("tree", "date");
  t.baseline = value("tree", "baseline");
  t.future = value("tree", "future");
  t.aerosol = value("tree", "aerosol") == "present";
  const char* observed[4] = {"observed_new_tas", "observed_new_pr", "observed_old_tas", "observed_old_pr"};
  for (int k = 0; k < 4; ++k) t.observed[k] = value("tree", observed[k]);
  for (int m = 1; m <= eng::NCATALOGUE; ++m) {
    std::string section(eng::MODCODE_TABLE[m].substr(0, 4));
    for (char& c : section) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    t.names[m] = value(section.c_str(), "name");
    t.dTg[m] = value(section.c_str(), "dTg");
    if (!t.names[m].empty()) t.models = m;
  }
  if (t.models == 0) fail_line(ini, 0, "no model ([gc01] name = ...); expected a tree written by tesseraimport");
  return t;
}

std::string data_tree_lines(const DataTree& t, const std::vector<int>& IMOD) {
  if (t.synthetic)
    return "NOTE: the regional results come from SYNTHETIC model patterns (no model data tree was\n"
           "given: set TESSERA_DATA_ROOT or [engines] data_root); they show how the engines work,\n"
           "not what any climate model projects.\n";
  if (!t.imported) return "Model data tree: " + t.root + "\n";
  std::string s = "Model data tree: " + t.root + " (" + t.tool + ", " + t.date + ")\n" +
                  "  patterns: change from " + t.baseline + " to " + t.future +
                  " per degC of each model's global-mean warming; aerosol patterns " +
                  (t.aerosol ? "present" : "absent") + "; observed baselines NEW tas " + t.observed[0] +
                  ", OLD tas " + t.observed[2] + "\n";
  for (int m : IMOD)
    s += "  " + std::string(eng::MODCODE_TABLE[m].substr(0, 4)) + " = " + t.names[m] + " (warming " + t.dTg[m] +
         " degC between the epochs)\n";
  return s;
}

}  // namespace fe
