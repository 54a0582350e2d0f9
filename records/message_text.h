// Text taken from an input file, as an error message shows it.
#pragma once

#include <string>
#include <string_view>

namespace rec {

// `text` with every control byte made visible: \r, \n, \t as such, the
// others (and DEL) as \xHH, and a backslash doubled so that an escape can
// be told from the same characters in the file. Other bytes, UTF-8 among
// them, are kept as they are.
std::string printable(std::string_view text);

// `text` in double quotes, made printable.
std::string quoted(std::string_view text);

}  // namespace rec
