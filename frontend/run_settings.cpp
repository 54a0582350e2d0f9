#include "frontend/run_settings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "engines/common/catalogue.h"
#include "engines/common/field_files.h"
#include "frontend/data_tree.h"
#include "frontend/engine_check.h"
#include "frontend/ensemble_settings.h"
#include "frontend/scenario_inputs.h"
#include "frontend/sweep_settings.h"
#include "orvtar/control/config.h"
#include "orvtar/control/config_items.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/startup.h"
#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {

std::string settings_path(const SettingsFile& f, const std::string& path) {
  fs::path p(path);
  if (p.is_relative()) p = fs::absolute(fs::path(f.name).parent_path() / p);
  return p.lexically_normal().string();
}

namespace {

std::string section_of(std::string_view file) {
  std::string s(file.substr(0, file.find('.')));
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

void refuse_setting(const SettingsFile& f, const orv::ConfigError& e) {
  const std::string section = section_of(orv::file_name(e.item.file));
  const Setting* at = f.find(section, e.item.name);
  fail_line(f.name, at ? at->line : 0, "[" + section + "] " + e.problem);
}

namespace {

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

[[noreturn]] void bad(const SettingsFile& f, const Setting& s, const std::string& want) {
  fail_line(f.name, s.line,
            "[" + s.section + "] " + s.key + " = \"" + s.value + "\": expected " + want);
}

bool parse_int(const std::string& t, long& v) {
  auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

bool parse_real(const std::string& t, double& v) {
  auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(v);
}

// The chain needs the drive files of the twenty-simulation run.
constexpr int kChainRunMode = 1;

void check_item(const SettingsFile& f, const Setting& s, const orv::ConfigItem& it) {
  double v = 0;
  bool ok = false;
  if (it.type == orv::ItemType::Integer) {
    long n = 0;
    ok = parse_int(s.value, n) && n >= -999999999 && n <= 9999999999;
    v = static_cast<double>(n);
  } else {
    ok = parse_real(s.value, v) && s.value.size() <= 10;
  }
  if (!ok || !orv::accepts(it, v)) {
    bad(f, s, orv::accepted_text(it) + (s.value.size() > 10 ? " in at most 10 characters" : ""));
  }
  if (it.name == "IRUNMODE" && v != kChainRunMode)
    bad(f, s, "1: the chain needs the twenty simulations, whose drive files weight the regional patterns");
}

// The settings the climate model derives from the items and the checks it
// makes of their combinations, run here so that a setting it would refuse
// stops the chain before anything runs.
void check_combinations(const SettingsFile& f, const RunSettings& rs) {
  orv::ConfigValues values;
  for (const orv::ConfigItem& it : orv::config_items()) {
    double v = 0;
    parse_real(rs.orvtar.at(std::string(it.name)), v);
    values.set(it, v);
  }
  try {
    orv::check_configuration(values);
  } catch (const orv::ConfigError& e) {
    refuse_setting(f, e);
  }
}


std::string existing_file(const SettingsFile& f, const Setting& s) {
  std::string p = settings_path(f, s.value);
  if (!fs::is_regular_file(p)) bad(f, s, "the path of an existing file (" + p + " not found)");
  return p;
}

// The scenario named or given by path in `s` (`fallback` when unset), its
// halocarbon forcing and its 1990 SO2 emission: a bundled profile carries
// its own; one given by path takes `es1990`, else [orvxtra] ES1990.
Scenario scenario(const SettingsFile& f, const Setting* s, const Setting* halos, const Setting* es1990,
                  const std::string& fallback, const std::string& orvxtra_es1990, const std::string& data_dir) {
  Scenario out;
  out.bundled = find_bundled(s ? s->value : fallback);
  if (!out.bundled) {
    out.emk = settings_path(f, s->value);
    if (!fs::is_regular_file(out.emk))
      bad(f, *s, bundled_names() + ", or the path of an emissions profile (no file " + out.emk + ")");
    std::error_code ec;  // a bundled file given by its path is that scenario
    for (const BundledScenario& b : bundled_scenarios())
      if (fs::equivalent(out.emk, emissions_file(b, data_dir), ec)) out.bundled = &b;
  }
  if (out.bundled) {
    out.label = out.bundled->name;
    out.emk = emissions_file(*out.bundled, data_dir);
    out.qhalos = halocarbon_file(*out.bundled, data_dir);
    out.es1990 = out.bundled->es1990;
    out.es1990_source = "bundled profile";
    if (es1990)
      fail_line(f.name, es1990->line,
                "[scenarios] " + es1990->key + " is for an emissions profile given by path: " + out.label +
                    " carries its own 1990 SO2 emission, " + out.es1990 + " TgS/yr");
  } else {
    out.label = fs::path(out.emk).filename().string();
    out.qhalos = data_dir + "/QHALOS-RCP45.IN";
    out.es1990 = orvxtra_es1990;
    out.es1990_source = "[orvxtra] ES1990";
    if (es1990) {
      check_item(f, *es1990, *orv::find_config_item("ES1990"));
      out.es1990 = es1990->value;
      out.es1990_source = "[scenarios] " + es1990->key;
    }
  }
  if (halos) {
    if (const BundledScenario* b = find_bundled(halos->value)) out.qhalos = halocarbon_file(*b, data_dir);
    else out.qhalos = existing_file(f, *halos);
  }
  return out;
}

}  // namespace

Scenario scenario_of(const SettingsFile& f, const Setting& s, const RunSettings& rs, const std::string& data_dir) {
  return scenario(f, &s, nullptr, nullptr, s.value, rs.orvtar.at("ES1990"), data_dir);
}

namespace {

int choice(const SettingsFile& f, const Setting& s, std::initializer_list<const char*> names) {
  int k = 1;
  std::string all;
  for (const char* n : names) {
    if (upper(s.value) == n) return k;
    all += (k > 1 ? (k == static_cast<int>(names.size()) ? " or " : ", ") : "") + std::string(n);
    ++k;
  }
  bad(f, s, all);
}

void engine_setting(const SettingsFile& f, const Setting& s, EngineSettings& e) {
  std::string k = upper(s.key);
  if (k == "YEAR") {
    long y = 0;
    if (!parse_int(s.value, y) || y < 1961 || y > 2504) bad(f, s, "a year from 1961 to 2504");
    e.IYEAR = static_cast<int>(y);
  } else if (k == "VARIABLE") {
    e.IVAR = choice(f, s, {"TEMP", "PRECIP"});
  } else if (k == "SEASON") {
    std::string v = upper(s.value);
    e.ISEAS = 0;
    for (int i = 0; i < 17; ++i)
      if (v == eng::SEASNAME[i + 1]) e.ISEAS = i + 1;
    if (e.ISEAS == 0) bad(f, s, "a month JAN to DEC, a season DJF, MAM, JJA, SON, or ANN");
  } else if (k == "MODELS") {
    e.IMOD.clear();
    std::string v = upper(s.value);
    e.all_models = v == "ALL";
    if (v == "ALL") {
      for (int m = 1; m <= 17; ++m) e.IMOD.push_back(m);
      return;
    }
    if (v == "NONE") return;
    for (char& c : v)
      if (c == ',') c = ' ';
    std::istringstream is(v);
    std::string code;
    while (is >> code) {
      long m = 0;
      if (code.size() != 4 || code.compare(0, 2, "GC") != 0 || !parse_int(code.substr(2), m) ||
          m < 1 || m > 17)
        bad(f, s, "\"all\", \"none\" or model codes GC01 to GC17 separated by blanks or commas");
      for (int prev : e.IMOD)
        if (prev == m) bad(f, s, "each model once (" + code + " is listed twice)");
      e.IMOD.push_back(static_cast<int>(m));
    }
    if (e.IMOD.empty()) bad(f, s, "\"all\", \"none\" or model codes GC01 to GC17");
  } else if (k == "AREA") {
    std::istringstream is(s.value);
    std::string kind;
    is >> kind;
    kind = upper(kind);
    e.IMASK = 0;
    e.mask_file.clear();
    if (kind == "GLOBAL") {
      e.XLAT1 = -90, e.XLAT2 = 90, e.XLON1 = -180, e.XLON2 = 180;
      e.area_label = "global";
    } else if (kind == "LAND" || kind == "OCEAN") {
      e.IMASK = 1;
      e.MASKID = kind == "LAND" ? 'L' : 'O';
      e.area_label = kind == "LAND" ? "land" : "ocean";
    } else if (kind == "BOX") {
      double v[4];
      for (double& x : v)
        if (!(is >> x)) bad(f, s, "box SOUTH NORTH WEST EAST in degrees, e.g. box 30 60 -10 40");
      std::string extra;
      if (is >> extra) bad(f, s, "box SOUTH NORTH WEST EAST with nothing after it");
      if (v[0] < -90 || v[1] > 90 || v[0] >= v[1])
        bad(f, s, "a southern limit below the northern one, both from -90 to 90");
      if (v[2] < -180 || v[3] > 180 || v[2] >= v[3])
        bad(f, s, "a western limit below the eastern one, both from -180 to 180 (no wrap across 180)");
      e.XLAT1 = v[0], e.XLAT2 = v[1], e.XLON1 = v[2], e.XLON2 = v[3];
      e.area_label = "box " + s.value.substr(s.value.find_first_of(" \t") + 1);
    } else if (kind == "MASK") {
      std::string path;
      std::getline(is >> std::ws, path);
      if (path.empty()) bad(f, s, "mask followed by the path of a mask file");
      Setting p = s;
      p.value = path;
      e.IMASK = 1;
      e.MASKID = 'U';
      e.mask_file = existing_file(f, p);
      e.area_label = "mask " + path;
      try {  // read as crossmod reads it, so that a fault is named at this line
        eng::read_mask_file(e.mask_file);
      } catch (const rec::Error& err) {
        fail_line(f.name, s.line, "[engines] area = mask " + path + ": " + err.what());
      }
    } else {
      bad(f, s, "global, land, ocean, box SOUTH NORTH WEST EAST, or mask PATH");
    }
  } else if (k == "SCALING") {
    e.ISCALE = choice(f, s, {"LINEAR", "EXPONENTIAL"});
  } else if (k == "PARAMETER_SET") {
    e.IPSET = choice(f, s, {"DEFAULT", "USER"});
  } else if (k == "AEROSOLS") {
    e.ISULF = choice(f, s, {"OFF", "ON"}) - 1;
  } else if (k == "DEFINITION") {
    e.IDEF = choice(f, s, {"1", "2", "BOTH"});
  } else if (k == "THRESHOLD") {
    if (!parse_real(s.value, e.THRESH) || s.value.size() > 10)
      bad(f, s, "a number of at most 10 characters");
  } else if (k == "OBSERVED") {
    e.OBSSET = choice(f, s, {"OLD", "NEW"}) == 1 ? "OLD" : "NEW";
  } else if (k == "DATA_ROOT") {
    e.data_root = s.value.empty() ? "" : settings_path(f, s.value);
    if (const std::string problem = data_tree_problem(e.data_root); !e.data_root.empty() && !problem.empty())
      bad(f, s, "the folder of a model data tree: " + problem);
  } else {
    bad(f, s, "one of the engine settings year, variable, season, models, area, scaling, "
              "parameter_set, aerosols, definition, threshold, observed, data_root");
  }
}

// An imported tree (TREE.INI) holds models in slots 1 … N and may have no
// aerosol patterns: "all" means its models, and what it lacks is refused
// here, before anything runs.
void check_data_tree(const SettingsFile& f, RunSettings& rs) {
  // A $TESSERA_DATA_ROOT that is no tree would otherwise fail in the engines.
  if (const char* env = std::getenv("TESSERA_DATA_ROOT"); rs.engines.data_root.empty() && env && *env)
    if (const std::string problem = data_tree_problem(env); !problem.empty())
      throw rec::Error("$TESSERA_DATA_ROOT: expected the folder of a model data tree: " + problem +
                       "; unset it to use a synthetic tree");
  const std::string root = given_data_root(rs.engines);
  if (root.empty()) return;
  const DataTree t = read_data_tree(root, false);
  if (!t.imported) return;
  auto line_of = [&](const char* key) {
    const Setting* s = f.find("engines", key);
    return s ? s->line : 0L;
  };
  EngineSettings& e = rs.engines;
  if (e.all_models) {
    e.IMOD.clear();
    for (int m = 1; m <= t.models; ++m) e.IMOD.push_back(m);
  }
  for (int m : e.IMOD)
    if (m > t.models)
      fail_line(f.name, line_of("models"),
                "[engines] models: " + std::string(eng::MODCODE_TABLE[m].substr(0, 4)) +
                    " is not in the model data tree " + root + "; expected GC01 to " +
                    std::string(eng::MODCODE_TABLE[t.models].substr(0, 4)) + " (see its TREE.INI), or all");
  if (e.ISULF == 1 && !t.aerosol)
    fail_line(f.name, line_of("aerosols"),
              "[engines] aerosols = on" + std::string(line_of("aerosols") ? "" : " (the default)") +
                  ": the model data tree " + root +
                  " has no aerosol response patterns (TREE.INI: aerosol = absent); set aerosols = off, or "
                  "import patterns into the tree with tesseraimport");
}

// The settings whose empty value says that none is given: the default
// text of `scenario init` writes "data_root =".
bool empty_means_none(const Setting& s) {
  const std::string key = upper(s.key);
  return (s.section == "engines" && key == "DATA_ROOT") ||
         (s.section == "inputs" && (key == "CO2_FILE" || key == "EXTRA_FORCING_FILE"));
}

}  // namespace

RunSettings validate_settings(const SettingsFile& f, const std::string& data_dir) {
  RunSettings rs;
  for (const orv::ConfigItem& it : orv::config_items())
    rs.orvtar[std::string(it.name)] = std::string(it.default_value);
  rs.engines.IMOD.clear();
  for (int m = 1; m <= 17; ++m) rs.engines.IMOD.push_back(m);

  const Setting* ref = nullptr;
  const Setting* pol = nullptr;
  const Setting* ref_halos = nullptr;
  const Setting* pol_halos = nullptr;
  const Setting* ref_es1990 = nullptr;
  const Setting* pol_es1990 = nullptr;
  for (const Setting& s : f.entries) {
    std::string key = upper(s.key);
    if (s.value.empty() && !empty_means_none(s))
      fail_line(f.name, s.line,
                "[" + s.section + "] " + s.key +
                    " has no value; expected one, or the line left out (or commented out with #) for the default");
    if (s.section == "scenarios") {
      if (key == "REFERENCE") ref = &s;
      else if (key == "POLICY") pol = &s;
      else if (key == "REFERENCE_HALOCARBONS") ref_halos = &s;
      else if (key == "POLICY_HALOCARBONS") pol_halos = &s;
      else if (key == "REFERENCE_ES1990") ref_es1990 = &s;
      else if (key == "POLICY_ES1990") pol_es1990 = &s;
      else bad(f, s, "reference, policy, reference_halocarbons, policy_halocarbons, reference_es1990 or policy_es1990");
    } else if (s.section == "inputs") {
      if (key == "CO2_FILE") rs.co2_file = s.value.empty() ? "" : existing_file(f, s);
      else if (key == "EXTRA_FORCING_FILE") rs.extra_forcing_file = s.value.empty() ? "" : existing_file(f, s);
      else bad(f, s, "co2_file or extra_forcing_file");
    } else if (s.section == "engines") {
      engine_setting(f, s, rs.engines);
    } else if (s.section == "ensemble" || s.section == "sweep") {
      continue;  // read by scenario ensemble and sweep (ensemble_settings.cpp, sweep_settings.cpp)
    } else {
      const orv::ConfigItem* found = nullptr;
      for (const orv::ConfigItem& it : orv::config_items())
        if (section_of(orv::file_name(it.file)) == s.section && upper(s.key) == it.name) found = &it;
      if (!found) {
        bool known_section = false;
        for (orv::ConfigFile file : orv::CONFIG_FILES) known_section |= section_of(orv::file_name(file)) == s.section;
        if (!known_section)
          fail_line(f.name, s.line,
                    "unknown section [" + s.section +
                        "]; expected scenarios, inputs, engines, orvuser, orvgas, orvmod, orvrun, orvxtra, ensemble or sweep");
        bad(f, s, "a configuration item of " + upper(s.section) + ".CFG (see the settings written by init)");
      }
      check_item(f, s, *found);
      rs.orvtar[std::string(found->name)] = s.value;
    }
  }
  check_combinations(f, rs);
  rs.reference = scenario(f, ref, ref_halos, ref_es1990, "RCP4.5", rs.orvtar.at("ES1990"), data_dir);
  rs.policy = scenario(f, pol, pol_halos, pol_es1990, "RCP2.6", rs.orvtar.at("ES1990"), data_dir);

  rs.IYEND = std::stoi(rs.orvtar["IYEND"]);
  rs.IREFYR = std::stoi(rs.orvtar["IREFYR"]);
  auto line_of = [&](const char* section, const char* key) {
    const Setting* s = f.find(section, key);
    return s ? s->line : 0L;
  };
  if (rs.engines.IYEAR > rs.IYEND)
    fail_line(f.name, line_of("engines", "year"),
              "[engines] year " + std::to_string(rs.engines.IYEAR) +
                  ": expected a year no later than the climate model's last year IYEND = " +
                  std::to_string(rs.IYEND));
  if (rs.IREFYR > rs.IYEND)
    fail_line(f.name, line_of("orvuser", "IREFYR"),
              "IREFYR " + std::to_string(rs.IREFYR) + ": expected a year no later than IYEND = " +
                  std::to_string(rs.IYEND));
  if (rs.engines.IMOD.empty() && rs.engines.ISULF == 0)
    fail_line(f.name, line_of("engines", "models"),
              "[engines] models = none needs aerosols = on: there is nothing else to scale");
  if (std::stoi(rs.orvtar["ICO2CONC"]) >= 1 && rs.co2_file.empty())
    fail_line(f.name, line_of("orvmod", "ICO2CONC"),
              "ICO2CONC " + rs.orvtar["ICO2CONC"] + " needs [inputs] co2_file, the CO2 concentrations to use");
  if (std::stoi(rs.orvtar["IQEXTRA"]) >= 1 && rs.extra_forcing_file.empty())
    fail_line(f.name, line_of("orvmod", "IQEXTRA"),
              "IQEXTRA " + rs.orvtar["IQEXTRA"] + " needs [inputs] extra_forcing_file, the extra forcing to add");
  check_data_tree(f, rs);
  check_engine_settings(f, rs.engines);
  check_scenario_inputs(f, rs, data_dir);
  return rs;
}

std::string default_settings_text() {
  std::ostringstream os;
  os << "# Settings of a scenario run: the emissions scenarios, the climate model's\n"
        "# configuration and the regional pattern engines. `scenario run` reads this file;\n"
        "# anything left out takes the default shown. Paths are relative to this file.\n\n"
        "[scenarios]\n"
        "# Bundled scenarios (any case, punctuation optional: ssp245 = SSP2-4.5), each with its\n"
        "# own 1990 global SO2 emission ES1990:\n";
  for (const std::string& line : bundled_family_lines()) os << "#   " << line << "\n";
  os << "reference = RCP4.5   # reference emissions: a bundled scenario or a GAS.EMK-layout file\n"
        "policy = RCP2.6      # policy emissions, chosen the same way\n"
        "# reference_halocarbons = RCP4.5   # halocarbon forcing (QHALOS layout): a bundled scenario's or a file;\n"
        "# policy_halocarbons = RCP2.6      # default: the scenario's own, RCP4.5 for a profile given by path\n"
        "# reference_es1990 = 63.968        # 1990 global SO2 emission (TgS/yr) of a profile given by path;\n"
        "# policy_es1990 = 63.968           # default: [orvxtra] ES1990, used for profiles given by path only\n\n"
        "[inputs]\n"
        "# co2_file =            # CO2 concentrations (co2input.dat layout), needed when ICO2CONC >= 1\n"
        "# extra_forcing_file =  # extra forcing (qextra.in layout), needed when IQEXTRA >= 1\n\n"
        "[engines]\n"
        "year = 2100             # year whose warming scales the patterns, 1961 to IYEND\n"
        "variable = TEMP         # TEMP (degC) or PRECIP (mm/day)\n"
        "season = ANN            # JAN..DEC, DJF, MAM, JJA, SON or ANN\n"
        "models = all            # all, none (aerosol patterns only), or codes such as GC01 GC05 GC12\n"
        "area = global           # global, land, ocean, box SOUTH NORTH WEST EAST (degrees), or mask PATH\n"
        "scaling = linear        # linear, or exponential (precipitation: compounding % per degC)\n"
        "parameter_set = DEFAULT # climate-model warming used: DEFAULT (MID set) or USER\n"
        "aerosols = on           # on: add the regional sulphate-aerosol patterns; off: greenhouse gases only\n"
        "definition = 1          # which change fields of each model: 1, 2 or both\n"
        "threshold = 0.0         # increase-above threshold, degC or % per degC of global warming\n"
        "observed = NEW          # observed baseline climatology: NEW or OLD\n"
        "data_root =             # model data tree; empty: $TESSERA_DATA_ROOT, else a synthetic tree\n";
  std::optional<orv::ConfigFile> current;
  for (const orv::ConfigItem& it : orv::config_items()) {
    if (it.file != current) {
      current = it.file;
      os << "\n[" << section_of(orv::file_name(it.file)) << "]   # " << orv::file_name(it.file) << "\n";
    }
    std::string line = std::string(it.name) + " = " + std::string(it.default_value);
    if (line.size() < 22) line.resize(22, ' ');
    os << (it.name == "IRUNMODE" ? "# " : "") << line << " # " << it.meaning
       << " (default " << it.default_value << ")\n";
  }
  os << ensemble_settings_text() << "\n" << sweep_settings_text();
  return os.str();
}

}  // namespace fe
