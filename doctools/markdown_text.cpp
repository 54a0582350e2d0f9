#include "doctools/markdown_text.h"

namespace doc {

std::string cell(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '*' || c == '_' || c == '|' || c == '\\' || c == '`' || c == '[' || c == ']') out += '\\';
    if (c == '<') out += "&lt;";
    else out += c;
  }
  return out;
}

}  // namespace doc
