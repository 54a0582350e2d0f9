#include "frontend/ensemble_settings.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "ensemble/member_runs.h"
#include "ensemble/uncertain_items.h"
#include "orvtar/control/config_items.h"

namespace fe {

namespace {

constexpr long MAX_MEMBERS = 100000;

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string section_of(orv::ConfigFile file) {
  return lower(std::string(orv::file_name(file).substr(0, orv::file_name(file).find('.'))));
}

[[noreturn]] void bad(const SettingsFile& f, const Setting& s, const std::string& want) {
  fail_line(f.name, s.line, "[ensemble] " + s.key + " = \"" + s.value + "\": expected " + want);
}

template <class T>
bool parse(const std::string& t, T& v) {
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

bool parse_real(const std::string& t, double& v) { return parse(t, v) && std::isfinite(v); }

std::string number(double v) {
  std::ostringstream os;
  os << v;
  return os.str();
}

// Whether the distribution can stand for `item`: an integer item takes a
// choice of whole numbers; every value a choice or a uniform range can give,
// and the 5 and 95 % points of a normal or lognormal, must be accepted by
// the item. The error says what is expected.
bool fits(const orv::ConfigItem& item, const ens::Distribution& d, std::string& want) {
  const std::string accepted = orv::accepted_text(item);
  if (item.type == orv::ItemType::Integer && d.kind != ens::DistributionKind::Choice) {
    want =
        "choice V1 V2 ... [weights W1 W2 ...] for the integer item " + std::string(item.name) + " (" + accepted + ")";
    return false;
  }
  std::vector<double> ends;
  switch (d.kind) {
    case ens::DistributionKind::Choice: ends = d.values; break;
    case ens::DistributionKind::Uniform: ends = {d.a, d.b}; break;
    default: ends = {d.uncut_quantile(0.05), d.uncut_quantile(0.95)}; break;
  }
  for (double x : ends) {
    const bool whole = item.type == orv::ItemType::Real || x == std::trunc(x);
    if (!whole || !orv::accepts(item, x)) {
      want = std::string(d.kind == ens::DistributionKind::Choice    ? "values"
                         : d.kind == ens::DistributionKind::Uniform ? "a range"
                                                                    : "5 and 95 % points") +
             " within the accepted values of " + std::string(item.name) + ", " + accepted + " (" + number(x) +
             " is not)";
      return false;
    }
  }
  return true;
}

// Cuts the distribution to the item's accepted values.
ens::Distribution cut_to(const orv::ConfigItem& item, ens::Distribution d) {
  if (!std::isnan(item.accepted.min)) d.lower = std::max(d.lower, item.accepted.min);
  if (!std::isnan(item.accepted.max)) d.upper = std::min(d.upper, item.accepted.max);
  return d;
}

struct Entry {
  const orv::ConfigItem* item;
  ens::Distribution distribution;
  const Setting* setting;  // nullptr for a default
};

// Where the switch `need` stands in the settings: met, to be set by the
// ensemble, or in the way (the reason in `why`).
enum class SwitchState { Met, Implied, Blocked };

SwitchState switch_state(const ens::SwitchNeed& need, const RunSettings& rs, std::string& why) {
  const orv::ConfigItem& sw = *orv::find_config_item(need.switch_item);
  const std::string& text = rs.orvtar.at(std::string(sw.name));
  double value = 0;
  parse_real(text, value);
  if (value == need.value) return SwitchState::Met;
  why = std::string(need.item) + " acts only with " + std::string(sw.name) + " = " + std::to_string(need.value) +
        ", and [" + section_of(sw.file) + "] " + std::string(sw.name) + " = " + text;
  if (need.set_by_ensemble && text == sw.default_value) return SwitchState::Implied;
  return SwitchState::Blocked;
}

}  // namespace

EnsembleSettings read_ensemble_settings(const SettingsFile& f, const RunSettings& rs) {
  EnsembleSettings es;
  ens::EnsembleSpec& spec = es.spec;
  std::map<const orv::ConfigItem*, Entry> chosen;
  for (const ens::DefaultUncertainty& d : ens::default_uncertainties()) {
    std::string error;
    const orv::ConfigItem* item = orv::find_config_item(d.item);
    chosen[item] = {item, cut_to(*item, *ens::parse_distribution(d.distribution, error)), nullptr};
  }
  const Setting* observed = nullptr;
  const Setting* likely = nullptr;
  for (const Setting& s : f.entries) {
    if (s.section != "ensemble") continue;
    const std::string key = lower(s.key);
    if (key == "members") {
      long n = 0;
      if (!parse(s.value, n) || n < 1 || n > MAX_MEMBERS)
        bad(f, s, "a whole number of members from 1 to " + std::to_string(MAX_MEMBERS));
      spec.members = static_cast<std::size_t>(n);
    } else if (key == "seed") {
      if (!parse(s.value, spec.seed)) bad(f, s, "a whole number from 0 to 18446744073709551615");
    } else if (key == "constraint") {
      const std::string v = lower(s.value);
      if (v != "on" && v != "off") bad(f, s, "on or off");
      spec.constrained = v == "on";
    } else if (key == "scenarios") {
      const std::string v = lower(s.value);
      if (v != "both" && v != "reference" && v != "policy") bad(f, s, "both, reference or policy");
      es.reference = v != "policy";
      es.policy = v != "reference";
    } else if (key == "observed_warming") {
      observed = &s;
      if (!parse_real(s.value, spec.observation.value)) bad(f, s, "a warming in degC, such as 1.09");
    } else if (key == "observed_likely_range") {
      likely = &s;
      std::istringstream is(s.value);
      std::string lo, hi, extra;
      if (!(is >> lo >> hi) || (is >> extra) || !parse_real(lo, spec.observation.likely_low) ||
          !parse_real(hi, spec.observation.likely_high))
        bad(f, s, "two warmings in degC, the low and high ends of the likely range, such as 0.95 1.20");
    } else {
      const orv::ConfigItem* item = orv::find_config_item(upper(s.key));
      if (!item)
        bad(f, s,
            "members, seed, scenarios, constraint, observed_warming, observed_likely_range, or a "
            "configuration item of the climate model (DT2XUSER, XK, ...) with a distribution");
      if (const std::string_view why = ens::refusal_reason(item->name); !why.empty())
        fail_line(f.name, s.line,
                  "[ensemble] " + s.key + ": " + std::string(item->name) +
                      " cannot take a distribution: " + std::string(why));
      if (lower(s.value) == "fixed") {
        chosen.erase(item);
        continue;
      }
      std::string error;
      const auto d = ens::parse_distribution(s.value, error);
      if (!d)
        bad(f, s, error + " (or fixed: the value of [" + section_of(item->file) + "] " + std::string(item->name) + ")");
      std::string want;
      if (!fits(*item, *d, want)) bad(f, s, want);
      chosen[item] = {item, cut_to(*item, *d), &s};
    }
  }
  const ens::Observation& o = spec.observation;
  if (!(o.likely_low < o.value && o.value < o.likely_high)) {
    const Setting* at = likely ? likely : observed;
    fail_line(f.name, at ? at->line : 0,
              "[ensemble] observed_likely_range " + number(o.likely_low) + " " + number(o.likely_high) +
                  ": expected a range around the observed warming " + number(o.value) + " degC");
  }
  const int IYEND = std::stoi(rs.orvtar.at("IYEND"));
  if (IYEND < ens::HEADLINE_LAST_YEAR) {
    const Setting* at = f.find("orvuser", "IYEND");
    fail_line(f.name, at ? at->line : 0,
              "[orvuser] IYEND = " + std::to_string(IYEND) + ": scenario ensemble needs a run to " +
                  std::to_string(ens::HEADLINE_LAST_YEAR) + " or later (the warming of 2081-2100 and of 2100)");
  }

  // The varied items in the order of the item table, and the switches
  // they need.
  for (const orv::ConfigItem& item : orv::config_items()) {
    const auto it = chosen.find(&item);
    if (it == chosen.end()) continue;
    const Entry& e = it->second;
    if (const ens::SwitchNeed* need = ens::switch_need(item.name)) {
      std::string why;
      const SwitchState state = switch_state(*need, rs, why);
      if (state == SwitchState::Blocked && !e.setting) {
        es.notes.push_back("the default distribution of " + std::string(item.name) + " is left out: " + why);
        continue;
      }
      if (state == SwitchState::Blocked)
        fail_line(f.name, e.setting->line,
                  "[ensemble] " + e.setting->key + ": " + why + "; set it to " + std::to_string(need->value) +
                      ", or leave " + std::string(item.name) + " fixed");
      if (state == SwitchState::Implied) {
        const orv::ConfigItem* sw = orv::find_config_item(need->switch_item);
        bool known = false;
        for (const ens::ImpliedSetting& i : spec.implied) known |= i.item == sw;
        if (!known) spec.implied.push_back({sw, static_cast<double>(need->value), need->item});
      }
    }
    spec.varied.push_back({&item, e.distribution});
    es.lines[std::string(item.name)] = e.setting ? e.setting->line : 0;
  }
  return es;
}

std::string ensemble_settings_text() {
  std::ostringstream os;
  os << "\n[ensemble]\n"
        "# scenario ensemble: members of the USER parameter set (full SO2) whose uncertain items are\n"
        "# drawn by Latin hypercube sampling, weighed by the observed warming. Any configuration item\n"
        "# may take a distribution: "
     << ens::DISTRIBUTION_FORMS
     << ";\n"
        "# an integer item takes a choice; \"fixed\" keeps the item's own value.\n"
        "members = 1000          # members of each scenario, 1 to "
     << MAX_MEMBERS
     << "\n"
        "seed = 1                # seed of the sampling: the same seed gives the same members\n"
        "scenarios = both        # both, reference or policy\n"
        "constraint = on         # on: weigh the members by the observed warming; off: equal weights\n"
        "observed_warming = 1.09 # warming from 1850-1900 to 2011-2020, degC (IPCC AR6 WGI SPM A.1.2)\n"
        "observed_likely_range = 0.95 1.20   # its likely (17-83 %) range, degC\n"
        "# The default distributions (sources in data/README.md):\n";
  for (const ens::DefaultUncertainty& d : ens::default_uncertainties()) {
    std::string line = std::string(d.item) + " = " + std::string(d.distribution);
    if (line.size() < 46) line.resize(46, ' ');
    os << "# " << line << " # " << d.source << "\n";
  }
  return os.str();
}

}  // namespace fe
