#include "sweep/sweep_inputs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "sweep/packing.h"

namespace swp {

namespace {

namespace fs = std::filesystem;

// The data files of a scenario, by the member of InputPaths that names each
// and the name a copy takes.
struct DataFile {
  std::string orv::InputPaths::*path;
  const char* copy_name;
};
constexpr DataFile DATA_FILES[] = {
    {&orv::InputPaths::co2hist, "co2hist.IN"},    {&orv::InputPaths::qhalos, "QHALOS.IN"},
    {&orv::InputPaths::co2input, "co2input.dat"}, {&orv::InputPaths::qextra, "qextra.in"},
    {&orv::InputPaths::gasemk, "GAS.EMK"},
};

// A data file's bytes after a mark of whether it is there at all (the
// model reads some files only when its settings ask for them).
void put_file(Packer& p, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  p.put(std::uint64_t{in ? 1u : 0u});
  if (in) p.put(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

}  // namespace

std::string pack(const SweepInputs& inputs) {
  Packer p;
  p.put(static_cast<std::uint64_t>(inputs.scenarios.size()));
  for (const ScenarioInputs& s : inputs.scenarios) {
    p.put(s.label);
    for (const orv::ConfigItem& item : orv::config_items()) p.put(s.settings[item]);
    for (const DataFile& f : DATA_FILES) put_file(p, s.paths.*f.path);
  }
  p.put(static_cast<std::uint64_t>(inputs.members));
  p.put(static_cast<std::uint64_t>(inputs.block_members));
  p.put(static_cast<std::uint64_t>(inputs.varied.size()));
  for (const orv::ConfigItem* item : inputs.varied) p.put(item->name);
  p.put(std::span<const double>(inputs.draws));
  return p.take();
}

SweepInputs unpack(std::string_view bytes, const std::string& dir) {
  Unpacker u(bytes, "the sweep's inputs from rank 0");
  SweepInputs in;
  const std::uint64_t scenarios = u.u64();
  for (std::uint64_t k = 0; k < scenarios; ++k) {
    ScenarioInputs s;
    s.label = u.text();
    for (const orv::ConfigItem& item : orv::config_items()) s.settings.set(item, u.real());
    const fs::path folder = fs::path(dir) / ("scenario-" + std::to_string(k + 1));
    fs::create_directories(folder);
    for (const DataFile& f : DATA_FILES) {
      const std::string path = (folder / f.copy_name).string();
      if (u.u64() == 1) std::ofstream(path, std::ios::binary) << u.text();
      s.paths.*f.path = path;
    }
    in.scenarios.push_back(std::move(s));
  }
  in.members = u.u64();
  in.block_members = u.u64();
  const std::uint64_t varied = u.u64();
  for (std::uint64_t d = 0; d < varied; ++d) {
    const std::string name = u.text();
    const orv::ConfigItem* item = orv::find_config_item(name);
    if (!item) throw std::runtime_error("the sweep's inputs from rank 0 vary an unknown item " + name);
    in.varied.push_back(item);
  }
  in.draws = u.doubles();
  u.finish();
  if (in.draws.size() != in.members * in.varied.size())
    throw std::runtime_error("the sweep's inputs from rank 0 hold " + std::to_string(in.draws.size()) +
                             " parameter values, not one per member and varied item");
  return in;
}

}  // namespace swp
