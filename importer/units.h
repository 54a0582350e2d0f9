// Conversion of a source variable's `units` attribute to the engines' units
// (degC for temperature, mm/day for precipitation) through UDUNITS-2. Every
// conversion we accept is linear, value * scale + offset.
#pragma once

#include <string>

namespace imp {

enum class Quantity { Temperature, Precipitation };

struct Conversion {
  double scale = 1.0;
  double offset = 0.0;
  double operator()(double v) const { return v * scale + offset; }
};

// The conversion of `units` to degC (temperature: K, degC, degF, ...) or to
// mm/day (precipitation: a mass flux such as "kg m-2 s-1", taken as liquid
// water of 1000 kg m-3, or a length rate such as "mm/day" or "m s-1").
// Fails with rec::Error "WHERE: units "..." ...: expected ..." for anything
// else. `where` names the file and attribute.
Conversion conversion_to_engine_units(Quantity q, const std::string& units, const std::string& where);

}  // namespace imp
