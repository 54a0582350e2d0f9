// What the engines' result checks share: the fixed-width real fields of the
// writers' record formats, whether a value prints in one, and how a message
// shows a value and a grid box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "records/format_spec.h"

namespace eng {

using rec::RealField;

// The n-th (from 0) Fw.d field of a record format, repeats expanded: the
// field a writer gives a value, read from the writer's own format text. A
// format without it is a programming error (rec::Error).
RealField real_field(std::string_view format, std::size_t n);

// True when v prints in f without asterisks. The missing marker always
// passes: where a field is too narrow for it, its asterisks are the
// format's own way of showing "missing".
bool prints(double v, RealField f);

// Why v does not print in f: "is not a number", "is infinite", or "would be
// printed as 1.2e+170, which does not fit its field F7.2".
std::string misfit_text(double v, RealField f);

// A value as a message shows it ("%g").
std::string number_text(double v);

// The grid box at index m of a field (row order): "row 3 (latitude 77.5),
// column 2 (longitude -172.5)".
std::string box_text(int m);

}  // namespace eng
