#include "frontend/engine_check.h"

#include <charconv>
#include <filesystem>
#include <string>
#include <string_view>

#include "engines/common/config.h"
#include "frontend/config_writer.h"
#include "frontend/scratch_folder.h"
#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

// The setting behind each record of the files as config_writer.h writes
// them; nullptr for a record no setting gives (ISCEN, the title).
const char* extra_cfg_key(long record) {
  switch (record) {
    case 2: return "threshold";
    case 3: return "observed";
    case 4: return "definition";
    default: return nullptr;
  }
}

const char* shell_cfg_key(long record) {
  if (record >= 2 && record <= 7) return "area";
  if (record >= 17) return "models";
  switch (record) {
    case 8: return "variable";
    case 9: return "season";
    case 10: return "scaling";
    case 11: return "parameter_set";
    case 13: return "aerosols";
    case 14: return "year";
    case 15: return "models";
    case 16: return "definition";
    default: return nullptr;
  }
}

// The engines' message about a file of `dir` ("DIR/EXTRA.CFG, record 2:
// ..."), as the settings error of the setting behind that record.
[[noreturn]] void refuse(const SettingsFile& f, const std::string& dir, std::string_view message) {
  std::string_view text = message;
  if (text.starts_with(dir + "/")) text.remove_prefix(dir.size() + 1);
  const char* key = nullptr;
  if (const auto at = text.find(", record "); at != std::string_view::npos) {
    long record = 0;
    const char* from = text.data() + at + 9;
    std::from_chars(from, text.data() + text.size(), record);
    key = text.starts_with("EXTRA.CFG") ? extra_cfg_key(record) : shell_cfg_key(record);
  }
  std::string what = "the engines would refuse ";
  const Setting* s = key ? f.find("engines", key) : nullptr;
  if (key)
    what = "[engines] " + std::string(key) + (s ? " = \"" + s->value + "\": " : " (the default): ") + what + "it";
  else what += "the engine settings";
  what += ": " + std::string(text);
  if (text.find("\"*") != std::string_view::npos) what += " (asterisks: the value is too wide for its field)";
  fail_line(f.name, s ? s->line : 0, what);
}

}  // namespace

void check_engine_settings(const SettingsFile& f, const EngineSettings& e) {
  const ScratchFolder dir("check");
  for (int ISCEN : {1, 2}) {
    write_engine_configs(e, ISCEN, dir.path());
    try {
      eng::EngineConfig crossmod;
      eng::read_crossmod_config(crossmod, dir.path());
      rec::Unit shell(dir.path() + "/SHELL.CFG", rec::Status::Old);
      eng::EngineConfig varistat;
      eng::read_varistat_config(shell, varistat);
    } catch (const rec::Error& err) {
      refuse(f, dir.path(), err.what());
    }
  }
}

}  // namespace fe
