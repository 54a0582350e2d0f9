// The "Plausible values" part of each input file's format page
// (docs/formats/gas-emk.md ...), made from the tables of
// orvtar/control/input_bounds.cpp so that the ranges and their reasons are
// never typed twice. The part stands between two marker lines; the rest
// of the page is written by hand. A test holds the committed pages equal
// to what this makes.
#pragma once

#include <string>

#include "orvtar/control/input_bounds.h"

namespace doc {

// The generated part of a table's page, marker lines included.
std::string input_bounds_part(const orv::InputTable& table);

// `page` with its generated part replaced by the table's; rec::Error
// naming `page_name` when the page lacks the marker lines.
std::string with_input_bounds(const std::string& page, const std::string& page_name, const orv::InputTable& table);

}  // namespace doc
