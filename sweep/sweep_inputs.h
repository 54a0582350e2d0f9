// What rank 0 reads and checks once and every rank computes from: each
// scenario's label, the climate model's settings and the bytes of its data
// files, and the parameters of every member. Packed into one message, it
// is all another rank needs: the same bytes give the same numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "orvtar/control/config_values.h"
#include "orvtar/control/run_source.h"

namespace swp {

struct ScenarioInputs {
  std::string label;
  orv::ConfigValues settings;
  orv::InputPaths paths;  // on rank 0: the files as the user named them
};

struct SweepInputs {
  std::vector<ScenarioInputs> scenarios;
  std::size_t members = 0;
  std::size_t block_members = 0;               // members in a block of work
  std::vector<const orv::ConfigItem*> varied;  // the items the members vary
  std::vector<double> draws;                   // member-major, varied.size() a member
};

// The inputs with the bytes of every scenario's data files (read now).
std::string pack(const SweepInputs& inputs);

// Inputs unpacked on another rank: each scenario's data files are written
// into a folder of its own under `dir`, which its paths then name.
SweepInputs unpack(std::string_view bytes, const std::string& dir);

}  // namespace swp
