#include "records/message_text.h"

namespace rec {

std::string printable(std::string_view text) {
  static constexpr char HEX[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (b < 0x20 || b == 0x7f) {
      out += "\\x";
      out += HEX[b >> 4];
      out += HEX[b & 0xf];
    } else {
      out += c;
    }
  }
  return out;
}

std::string quoted(std::string_view text) {
  std::string out(1, '"');
  out += printable(text);
  out += '"';
  return out;
}

}  // namespace rec
