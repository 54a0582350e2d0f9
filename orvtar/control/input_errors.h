// What the checks of the configuration and data files share: how a
// rejected value is shown in the message, and the last year the series can
// hold.
#pragma once

#include <cstdio>
#include <string>

#include "orvtar/physics/state.h"

namespace orv {

// A value as a message shows it ("%g": no trailing zeros).
inline std::string value_text(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

// Last calendar year that fits on the year axis of the series.
inline constexpr int LASTYEAR = 1764 + NYMAX;

}  // namespace orv
