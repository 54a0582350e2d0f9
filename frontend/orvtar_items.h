// The climate model's configuration items: the five positional files, in
// record order, with each item's type, default, accepted range and meaning.
#pragma once

#include <limits>
#include <span>
#include <string_view>

namespace fe {

enum class Kind { Int, Real };

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Item {
  std::string_view file;     // "ORVUSER.CFG" ...
  int record;                // position in the file, from 1
  std::string_view name;     // LEVCO2 ...
  Kind kind;
  std::string_view deflt;    // default value as written in the file
  double min;                // kNone: no lower bound
  double max;                // kNone: no upper bound
  bool min_exclusive;        // the value must be above `min`, not equal to it
  std::string_view meaning;  // unit and meaning, for the settings file and the written file
};

// Every item of ORVUSER.CFG, ORVGAS.CFG, ORVMOD.CFG, ORVRUN.CFG and
// ORVXTRA.CFG, file by file in that order, records in order.
std::span<const Item> orvtar_items();

// The five file names in the order the climate model reads them.
std::span<const std::string_view> orvtar_files();

}  // namespace fe
