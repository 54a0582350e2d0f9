#include "results/descriptions.h"

#include <cmath>
#include <cstdio>

#include "engines/common/catalogue.h"

namespace res {

namespace {

std::string degrees(double v, char positive, char negative) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g%c", std::abs(v), v < 0 ? negative : positive);
  return buf;
}

std::string trimmed(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  const auto b = s.find_last_not_of(' ');
  return a == std::string_view::npos ? std::string() : std::string(s.substr(a, b - a + 1));
}

}  // namespace

std::string season_label(const eng::EngineConfig& c) { return std::string(eng::SEASNAME[c.ISEAS]); }

std::string parameter_set_label(const eng::EngineConfig& c) { return c.IPSET == 1 ? "MID (DEFAULT)" : "USER"; }

std::string scaling_label(const eng::EngineConfig& c) { return c.ISCALE == 1 ? "linear" : "exponential"; }

std::string area_label(const RegionalResults& r) {
  const eng::EngineConfig& c = r.config;
  if (c.IMASK != 0) return "mask MASK." + c.MASKID + " (" + trimmed(r.mask.MASKNAME) + ")";
  if (r.area.NPTS == eng::NGRID) return "global";
  return "box " + degrees(c.XLAT1, 'N', 'S') + " to " + degrees(c.XLAT2, 'N', 'S') + ", " +
         degrees(c.XLON1, 'E', 'W') + " to " + degrees(c.XLON2, 'E', 'W');
}

int model_count(const eng::EngineConfig& c) { return c.NMSHOW; }

std::string models_label(const eng::EngineConfig& c, const ModelData& m) {
  std::string s;
  for (int k = 1; k <= c.NMSHOW; ++k) {
    const int model = c.IMOD[k];
    if (!s.empty()) s += ", ";
    s += std::string(eng::MODCODE_TABLE[model].substr(0, 4));
    if (!m.names[model].empty()) s += " " + m.names[model];
  }
  return s.empty() ? "none (aerosol patterns only)" : s;
}

std::string run_line(const RegionalResults& r, const ModelData& m) {
  const eng::EngineConfig& c = r.config;
  std::string s = std::string(variable_name(c)) + " " + season_label(c) + " " + std::to_string(c.IYEAR) + ", " +
                  r.scenario + ", " + parameter_set_label(c) + " set, " + std::to_string(model_count(c)) +
                  (model_count(c) == 1 ? " model" : " models");
  if (m.synthetic) s += " - SYNTHETIC PATTERNS";
  return s;
}

}  // namespace res
