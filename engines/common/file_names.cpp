#include "engines/common/file_names.h"

#include <cstdlib>
#include <string_view>

#include "engines/common/catalogue.h"

namespace eng {

std::string opened_name(const std::string& name) {
  const std::string_view root = DATA_ROOT;
  const char* env = std::getenv("TESSERA_DATA_ROOT");
  if (env == nullptr || *env == '\0' || !name.starts_with(root)) return name;
  std::string installed = env;
  while (installed.size() > 1 && installed.back() == '/') installed.pop_back();
  return installed + name.substr(root.size());
}

std::string tree_path(const std::string& root, const std::string& name) {
  return root + name.substr(std::string_view(DATA_ROOT).size());
}

std::string data_root_hint(std::string_view message) {
  const char* env = std::getenv("TESSERA_DATA_ROOT");
  if ((env != nullptr && *env != '\0') || message.find(DATA_ROOT) == std::string_view::npos) return {};
  return std::string("the model data tree is looked for under ") + DATA_ROOT +
         "; set TESSERA_DATA_ROOT to the folder that holds an installed tree";
}

std::string model_file_name(int m, char FAMDIG, int IVAR, int ISEAS) {
  std::string name = DATA_ROOT;
  name += "/TRELLIS5/OUT/";
  name += MODLAB[m];
  name += '.';
  name += FAMDIG;
  name += VARLETTER[IVAR];
  name += SEASLETTER[ISEAS];
  return name;
}

std::string case_file_name(const EngineConfig& c, int k, char def1, char def2) {
  return model_file_name(case_model(c, k), case_is_definition2(c, k) ? def2 : def1, c.IVAR,
                         c.ISEAS);
}

std::string observed_file_name(const EngineConfig& c) {
  std::string name = DATA_ROOT;
  name += "/TRELLIS5/OBS/";
  name += "OBS";
  name += '.';
  name += c.OBSSET == "OLD" ? '8' : '7';
  name += VARLETTER[c.IVAR];
  name += SEASLETTER[c.ISEAS];
  return name;
}

std::string aerosol_file_name(const EngineConfig& c) {
  std::string name = DATA_ROOT;
  name += "/TRELLIS5/SO4/";
  name += "UISO";
  name += '.';
  name += '9';
  name += VARLETTER[c.IVAR];
  name += SEASLETTER[c.ISEAS];
  return name;
}

std::string mask_file_name(const EngineConfig& c) { return "MASK." + c.MASKID; }

std::string weights_file_name(const EngineConfig& c) {
  std::string name = "TSU.";
  name += PSETLETTER[c.IPSET];
  name += SCENLETTER[c.ISCEN];
  return name;
}

}  // namespace eng
