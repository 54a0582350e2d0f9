#include "records/format_spec.h"

#include <cctype>
#include <memory>
#include <string>
#include <unordered_map>

#include "records/record_io.h"

namespace rec {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  FormatSpec parse() {
    FormatSpec spec;
    spec.source = std::string(s_);
    skip_blanks();
    expect('(');
    std::size_t last_top_group = 0;
    bool have_top_group = false;
    parse_list(spec.ops, 0, last_top_group, have_top_group);
    expect(')');
    skip_blanks();
    if (i_ != s_.size()) bad("text after the closing parenthesis");
    spec.reversion = have_top_group ? last_top_group : 0;
    for (std::size_t k = spec.reversion; k < spec.ops.size(); ++k) {
      auto c = spec.ops[k].code;
      if (c == FormatOp::Code::Int || c == FormatOp::Code::Real || c == FormatOp::Code::Chars)
        spec.reversion_has_data = true;
    }
    return spec;
  }

 private:
  // Parses descriptors up to (not including) the closing parenthesis.
  void parse_list(std::vector<FormatOp>& ops, int depth, std::size_t& last_top_group, bool& have_top_group) {
    for (;;) {
      skip_blanks();
      if (peek() == ')') return;
      if (peek() == ',') {
        ++i_;
        continue;
      }
      if (peek() == '/') {
        ++i_;
        ops.push_back(FormatOp(FormatOp::Code::Slash));
        continue;
      }
      if (peek() == '\'') {
        FormatOp op(FormatOp::Code::Text);
        op.text = quoted();
        ops.push_back(op);
        continue;
      }
      int repeat = 1;
      if (std::isdigit(static_cast<unsigned char>(peek()))) {
        repeat = number();
        skip_blanks();
      }
      char c = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
      std::size_t start = i_;
      if (c == '(') {
        if (depth >= 2) bad("groups nested more than two deep");
        ++i_;
        std::size_t begin = ops.size();
        ops.push_back(FormatOp(FormatOp::Code::GroupBegin, repeat));
        std::size_t unused = 0;
        bool unused_flag = false;
        parse_list(ops, depth + 1, unused, unused_flag);
        expect(')');
        ops[begin].match = static_cast<int>(ops.size());
        FormatOp end(FormatOp::Code::GroupEnd);
        end.match = static_cast<int>(begin);
        ops.push_back(end);
        if (depth == 0) {
          last_top_group = begin;
          have_top_group = true;
        }
        continue;
      }
      ++i_;
      FormatOp op(FormatOp::Code::Int, repeat);
      switch (c) {
        case 'X': op = FormatOp(FormatOp::Code::Skip, 1, repeat); break;
        case 'I':
          op.code = FormatOp::Code::Int;
          op.width = number();
          break;
        case 'F':
          op.code = FormatOp::Code::Real;
          op.width = number();
          expect('.');
          op.decimals = number();
          if (op.decimals > 20) bad("more than 20 decimals");
          break;
        case 'A':
          op.code = FormatOp::Code::Chars;
          op.width = std::isdigit(static_cast<unsigned char>(peek())) ? number() : 0;
          break;
        default: bad("unsupported edit descriptor");
      }
      if (op.code != FormatOp::Code::Skip && op.width == 0 && op.code != FormatOp::Code::Chars)
        bad("field width of zero");
      op.text = std::string(s_.substr(start, i_ - start));
      ops.push_back(op);
    }
  }

  std::string quoted() {
    ++i_;
    std::string out;
    for (;;) {
      if (i_ >= s_.size()) bad("unterminated quoted text");
      char c = s_[i_++];
      if (c == '\'') {
        if (i_ < s_.size() && s_[i_] == '\'') {
          out += '\'';
          ++i_;
          continue;
        }
        return out;
      }
      out += c;
    }
  }

  int number() {
    skip_blanks();
    if (!std::isdigit(static_cast<unsigned char>(peek()))) bad("a number was expected");
    long v = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      v = v * 10 + (s_[i_++] - '0');
      if (v > 100000) bad("number too large");
    }
    return static_cast<int>(v);
  }

  void skip_blanks() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  void expect(char c) {
    skip_blanks();
    if (peek() != c) bad(std::string("'") + c + "' was expected");
    ++i_;
  }
  [[noreturn]] void bad(const std::string& why) {
    throw Error("format " + std::string(s_) + ": " + why + " at column " + std::to_string(i_ + 1));
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

const FormatSpec& format_spec(std::string_view text) {
  // Node-based map: references to cached entries stay valid as it grows.
  // One cache per thread: threads that read or write files at the same time
  // share nothing, and the common path takes no lock.
  thread_local std::unordered_map<std::string, std::unique_ptr<FormatSpec>, TextHash, std::equal_to<>> cache;
  auto it = cache.find(text);
  if (it != cache.end()) return *it->second;
  auto spec = std::make_unique<FormatSpec>(Parser(text).parse());
  return *cache.emplace(std::string(text), std::move(spec)).first->second;
}

std::vector<RealField> real_fields(std::string_view format) {
  std::vector<RealField> fields;
  for (const FormatOp& op : format_spec(format).ops)
    if (op.code == FormatOp::Code::Real)
      for (int n = 0; n < op.repeat; ++n) fields.push_back({op.width, op.decimals});
  return fields;
}

}  // namespace rec
