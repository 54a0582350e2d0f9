#include "engines/common/config.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "records/message_text.h"

namespace eng {

namespace {

constexpr const char* EXTRA_CFG = "EXTRA.CFG";
constexpr const char* SHELL_CFG_NAME = "SHELL.CFG";

// A configuration file's name: in the working directory, or in `dir`.
std::string in_folder(const std::string& dir, const char* name) {
  return dir.empty() ? std::string(name) : dir + "/" + name;
}

// Rejects a setting outside lo … hi, naming the file, the record and the
// accepted values.
void check_range(const std::string& file, long record, const char* name, int value, int lo, int hi,
                 const char* accepted) {
  if (value < lo || value > hi)
    rec::fail(file, record,
              std::string(name) + " = " + std::to_string(value) + " is not accepted; expected " +
                  accepted);
}

void read_extra_cfg(EngineConfig& c, const std::string& name) {
  rec::Unit extra(name, rec::Status::Old);
  extra.skip();
  extra.read("(1X,F10.0)", {c.THRESH});
  c.OBSSET.clear();
  extra.read("(1X,A3)", {c.OBSSET});
  extra.read("(1X,I10)", {c.IBOTH});
  extra.close();
  if (!(std::abs(c.THRESH) <= THRESH_LIMIT)) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "THRESH = %g is not accepted; expected a threshold from %g to %g (degC or %% per degC of global "
                  "warming)",
                  c.THRESH, -THRESH_LIMIT, THRESH_LIMIT);
    rec::fail(name, 2, text);
  }
  if (c.OBSSET != "OLD" && c.OBSSET != "NEW")
    rec::fail(name, 3, "OBSSET = " + rec::quoted(c.OBSSET) + " is not accepted; expected \"OLD\" or \"NEW\"");
}

// SHELL.CFG records 1 … 16.
void read_shell_settings(rec::Unit& shell, EngineConfig& c) {
  shell.skip();
  shell.read("(1X,F10.0)", {c.XLAT1});
  shell.read("(1X,F10.0)", {c.XLAT2});
  shell.read("(1X,F10.0)", {c.XLON1});
  shell.read("(1X,F10.0)", {c.XLON2});
  shell.read("(1X,I10)", {c.IMASK});
  c.MASKID.clear();
  shell.read("(7X,A1)", {c.MASKID});
  shell.read("(1X,I10)", {c.IVAR});
  shell.read("(1X,I10)", {c.ISEAS});
  shell.read("(1X,I10)", {c.ISCALE});
  shell.read("(1X,I10)", {c.IPSET});
  shell.read("(1X,I10)", {c.ISCEN});
  shell.read("(1X,I10)", {c.ISULF});
  shell.read("(1X,I10)", {c.IYEAR});
  shell.read("(1X,I10)", {c.NMODS});
  shell.read("(1X,I10)", {c.IDEF});
}

// The settings of records 8 … 15 that index a table or size the case list.
void check_shell_settings(const EngineConfig& c, const std::string& shell_cfg) {
  check_range(shell_cfg, 8, "IVAR", c.IVAR, 1, 2, "1 (temperature) or 2 (precipitation)");
  check_range(shell_cfg, 9, "ISEAS", c.ISEAS, 1, NSEASONS, "a season from 1 (JAN) to 17 (ANN)");
  check_range(shell_cfg, 10, "ISCALE", c.ISCALE, 1, 2, "1 (linear) or 2 (exponential)");
  check_range(shell_cfg, 11, "IPSET", c.IPSET, 1, 2, "1 (DEFAULT) or 2 (USER)");
  check_range(shell_cfg, 12, "ISCEN", c.ISCEN, 1, 2, "1 (REFRNCE) or 2 (POLICY)");
  check_range(shell_cfg, 15, "NMODS", c.NMODS, 0, NCATALOGUE, "a number of models from 0 to 17");
}

void check_definition_mode(const EngineConfig& c, const std::string& shell_cfg) {
  check_range(shell_cfg, 16, "IDEF", c.IDEF, 1, 3,
              "1 (definition 1), 2 (definition 2) or 3 (both)");
}

// In definition mode 2 every printed case code ends in D2.
void apply_definition2_codes(EngineConfig& c) {
  if (c.IDEF != 2) return;
  for (int k = 1; k <= NCATALOGUE; ++k) c.MODCODE[k] = c.MODCODE[NCATALOGUE + k];
}

// SHELL.CFG records 17 … 16 + NMODS.
void read_model_list(rec::Unit& shell, EngineConfig& c) {
  const std::string& shell_cfg = shell.name();
  for (int k = 1; k <= c.NMODS; ++k) {
    shell.read("(1X,I10)", {c.IMOD[k]});
    check_range(shell_cfg, 16 + k, "IMOD", c.IMOD[k], 1, NCATALOGUE,
                "a catalogue index from 1 to 17");
  }
}

// NMODIN, NCASES and, in definition mode 3, the definition-2 half of the
// case list.
void derive_case_list(EngineConfig& c) {
  c.NMODIN = c.NMODS;
  c.NCASES = c.NMODS;
  if (c.IDEF == 3) {
    c.NCASES = 2 * c.NMODS;
    for (int k = 1; k <= c.NMODS; ++k) c.IMOD[c.NMODS + k] = c.IMOD[k] + NCATALOGUE;
  }
}

}  // namespace

bool read_crossmod_config(EngineConfig& c, const std::string& dir) {
  read_extra_cfg(c, in_folder(dir, EXTRA_CFG));
  const std::string shell_cfg = in_folder(dir, SHELL_CFG_NAME);
  rec::Unit shell(shell_cfg, rec::Status::Old);
  read_shell_settings(shell, c);
  check_shell_settings(c, shell_cfg);
  check_range(shell_cfg, 13, "ISULF", c.ISULF, 0, 1,
              "1 (with sulphate aerosols) or 0 (greenhouse gases only)");
  if (c.IBOTH == 1) c.IDEF = 3;
  check_definition_mode(c, shell_cfg);
  apply_definition2_codes(c);

  c.KRUN = 0;
  if (c.ISULF == 1 && c.NMODS == 0) c.KRUN = 1;
  if (c.ISULF == 0 && c.NMODS == 0) c.KRUN = 2;
  if (c.KRUN == 2) return false;

  if (c.NMODS == 0) {
    // Aerosol only: the first catalogue model's fields are the one case.
    c.NMODS = 1;
    c.IMOD[1] = 1;
  } else {
    read_model_list(shell, c);
  }
  shell.close();
  derive_case_list(c);
  c.NMSHOW = c.KRUN == 1 ? 0 : c.NMODS;
  return true;
}

void read_varistat_config(rec::Unit& shell, EngineConfig& c) {
  read_shell_settings(shell, c);
  check_shell_settings(c, shell.name());
  check_definition_mode(c, shell.name());
  apply_definition2_codes(c);

  c.NOMODS = 0;
  if (c.NMODS == 0) {
    // No model selected: catalogue model 1 is read, the results are shown missing.
    c.IMOD[1] = 1;
    c.NOMODS = 1;
    c.NMODS = 1;
  } else {
    read_model_list(shell, c);
  }
  shell.close();
  c.ISULF = 0;
  derive_case_list(c);
  c.NMSHOW = c.NOMODS == 1 ? 0 : c.NMODS;
}

int case_model(const EngineConfig& c, int k) {
  return k > c.NMODIN ? c.IMOD[k - c.NMODIN] : c.IMOD[k];
}

bool case_is_definition2(const EngineConfig& c, int k) {
  return c.IDEF == 2 || (c.IDEF == 3 && k > c.NMODIN);
}

}  // namespace eng
