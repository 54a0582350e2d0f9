// Fuzz target of the front end's settings-file parser: any text, parsed as
// a settings file and looked up. A malformed line must end in rec::Error;
// anything else is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frontend/settings_file.h"
#include "records/record_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const fe::SettingsFile f = fe::parse_settings(text, "settings.ini");
    for (const fe::Setting& e : f.entries) {
      if (f.find(e.section, e.key) == nullptr) std::abort();  // every entry can be found again
    }
    f.find("engines", "year");
  } catch (const rec::Error&) {
  }
  return 0;
}
