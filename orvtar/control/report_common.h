// Small helpers shared by the report and display writers: calendar years of
// year indices, stepped year loops and mid-year values.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Calendar year of year index i (1 is 1765, 226 is 1990).
constexpr int year_of(int i) { return i + 1764; }

// A stepped year loop from `first` to `last` with `step`: it visits first,
// first + step, ... and makes (last - first + step) / step passes in
// integer division, none when that is 0 or less. Wide arithmetic keeps a
// huge configured step from overflowing.
template <class Body>
void stepped_loop(int first, int last, int step, Body&& body) {
  const long long passes = (static_cast<long long>(last) - first + step) / step;
  for (long long n = 0; n < passes; ++n) body(static_cast<int>(first + n * step));
}

// Mid-year value of a concentration or forcing series in year index i.
inline float midyear(const float (&x)[NY], int i) { return (x[i - 1] + x[i]) / 2.0f; }

}  // namespace orv
