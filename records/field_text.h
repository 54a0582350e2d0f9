// Conversion of one field between its text and its value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rec {

// Appends `v` right-justified in `width` columns, or `width` asterisks when
// it does not fit.
void put_int(std::string& out, long long v, int width);

// Appends `v` under Fw.d: rounded to `decimals` places with halves away
// from zero, decided on the value's exact binary expansion. A zero is
// written before the point when the field has room for it, and a value
// that rounds to zero carries no minus sign.
void put_real(std::string& out, double v, int width, int decimals);

// Whether put_real writes `v` in Fw.d without asterisks; NaN and
// infinities never fit.
bool fits_real(double v, int width, int decimals);

// Appends `s` in `width` columns: right-justified when shorter, cut to its
// leftmost `width` characters when longer.
void put_chars(std::string& out, std::string_view s, int width);

// Reads an integer field: blanks ignored, an all-blank field is zero, an
// optional leading sign. Empty optional when the text is not an integer.
std::optional<long long> get_int(std::string_view field);

// Reads a real field under Fw.d: blanks ignored, an all-blank field is zero,
// an optional sign, a point that overrides d (without one the digits are
// scaled by 10**-d), an optional exponent with E or D.
std::optional<double> get_double(std::string_view field, int decimals);
std::optional<float> get_float(std::string_view field, int decimals);

}  // namespace rec
