// Text for the generated Markdown pages.
#pragma once

#include <string>
#include <string_view>

namespace doc {

// Table text: the characters Markdown would take as markup (cm**2/s would
// start bold type) are escaped.
std::string cell(std::string_view text);

}  // namespace doc
