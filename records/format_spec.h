// A format specification such as "(1X,I5,2F10.0)" parsed into a flat list
// of edit operations. Parsing happens once per distinct text: the programs
// use the same literal formats inside their year loops.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rec {

struct FormatOp {
  enum class Code { Text, Skip, Slash, Int, Real, Chars, GroupBegin, GroupEnd };
  explicit FormatOp(Code c, int r = 1, int w = 0) : code(c), repeat(r), width(w) {}
  Code code;
  int repeat = 1;    // data descriptors and groups
  int width = 0;     // Iw, Fw.d, Aw (0 for a bare A); nX: n
  int decimals = 0;  // Fw.d
  int match = -1;    // index of the matching GroupBegin / GroupEnd
  std::string text;  // quoted text, or the descriptor as written (for messages)
};

struct FormatSpec {
  std::string source;
  std::vector<FormatOp> ops;  // the inside of the outer parentheses
  std::size_t reversion = 0;  // where processing resumes when items remain
  bool reversion_has_data = false;
};

// One Fw.d field of a format.
struct RealField {
  int width = 0;
  int decimals = 0;
};

// The Fw.d fields of a record format, in order, repeats expanded: where a
// writer's values go, read from its own format text.
std::vector<RealField> real_fields(std::string_view format);

// Parses `text`, or returns the cached result of an earlier call with the
// same text on the same thread (the reference stays valid while the thread
// runs). Safe to call from several threads. A malformed specification is a
// programming error and throws rec::Error.
const FormatSpec& format_spec(std::string_view text);

}  // namespace rec
