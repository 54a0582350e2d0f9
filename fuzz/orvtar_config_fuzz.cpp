// Fuzz target of the climate model's configuration readers: the input
// replaces one of the five configuration files (the first byte chooses
// which) beside the bundled defaults of the other four, and goes through
// reading, the checks and the derived settings as at start-up. A bad file
// must end in rec::Error; anything else is a bug.
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzz_dir.h"
#include "orvtar/control/config.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace {

constexpr std::array<const char*, 5> FILES = {"ORVUSER.CFG", "ORVGAS.CFG", "ORVMOD.CFG", "ORVRUN.CFG",
                                              "ORVXTRA.CFG"};

std::string bundled(const char* name) {
  std::ifstream in(std::string(TOOLKIT_DATA_DIR) + "/defaults/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::FuzzDir dir("orvtar_config_fuzz");
  // The defaults are written once; each input replaces one file, which the
  // next input puts back.
  static const std::array<std::string, 5> defaults = [] {
    std::array<std::string, 5> d;
    for (std::size_t k = 0; k < FILES.size(); ++k) {
      d[k] = bundled(FILES[k]);
      fuzzing::write_file(FILES[k], d[k]);
    }
    return d;
  }();
  static std::size_t replaced = 0;
  // A fresh state by copy: cheaper than a new allocation of the large state.
  static const auto pristine = std::make_unique<const orv::OrvState>();
  static const auto s = std::make_unique<orv::OrvState>();
  if (size == 0) return 0;

  fuzzing::write_file(FILES[replaced], defaults[replaced]);
  replaced = data[0] % FILES.size();
  fuzzing::write_file(FILES[replaced], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  *s = *pristine;
  try {
    rec::Unit report("ORV.OUT", rec::Status::Output);
    orv::read_config_files(*s, report);
    orv::check_config(*s);
    orv::apply_r1(*s);
    orv::apply_r2_to_r9(*s, &report);
    orv::check_user_carbon_cycle(*s);
  } catch (const rec::Error&) {
  }
  return 0;
}
