// What drives each series of a simulation: the configuration items and the
// input files behind it. The result check names them when a series goes
// wrong, so that the user knows where to look.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "orvtar/control/results.h"

namespace orv {

// Where a series stands in the model's chain within a year: the first
// series to go wrong in a year is the one nearest the cause.
enum class Stage { Emissions, Concentrations, Forcing, Temperature, SeaLevel };

struct SeriesDrivers {
  Stage stage = Stage::Emissions;
  std::span<const std::string_view> items;  // configuration items, by name
  std::string_view inputs;                  // what it follows from, in words
  std::optional<Output> related;            // a series whose value in the bad year shows why
};

SeriesDrivers series_drivers(Output o);

}  // namespace orv
