// Stored reference outputs of whole program runs (tests/data/reference/):
// every output file of a run compared record by record with the stored
// one, and the update mode that replaces the stored files by a run's
// (scripts/update-references.sh sets UPDATE_REFERENCES=1).
//
// The comparison rule: text that is not a number is identical, line ends
// included; a printed real may differ by one unit in its last printed digit
// (a rounding that tips the other way after an equivalent rearrangement of
// the arithmetic) but must keep its width and its number of decimals; an
// integer (a year, a count, a case number) and a field of asterisks must be
// identical.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "records/message_text.h"
#include "support/scratch_dir.h"

namespace testsupport {

namespace reference_detail {

// One piece of a record: a number with the blanks before it (its field), a
// run of asterisks, or any other text.
struct Token {
  enum class Kind { Text, Number, Stars } kind;
  std::size_t col;  // from 0
  std::string_view text;
};

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the number starting at `at` (optional minus, digits, optional
// point and digits, at least one digit), or 0.
inline std::size_t number_length(std::string_view s, std::size_t at) {
  std::size_t k = at;
  if (k < s.size() && s[k] == '-') ++k;
  const std::size_t digits_from = k;
  while (k < s.size() && is_digit(s[k])) ++k;
  bool any = k > digits_from;
  if (k < s.size() && s[k] == '.') {
    const std::size_t after = ++k;
    while (k < s.size() && is_digit(s[k])) ++k;
    any = any || k > after;
  }
  return any ? k - at : 0;
}

inline std::vector<Token> tokens(std::string_view s) {
  std::vector<Token> out;
  std::size_t text_from = 0;
  auto flush_text = [&](std::size_t to) {
    if (to > text_from) out.push_back({Token::Kind::Text, text_from, s.substr(text_from, to - text_from)});
  };
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '*') {
      flush_text(i);
      std::size_t k = i;
      while (k < s.size() && s[k] == '*') ++k;
      out.push_back({Token::Kind::Stars, i, s.substr(i, k - i)});
      i = text_from = k;
      continue;
    }
    std::size_t j = i;
    while (j < s.size() && s[j] == ' ') ++j;
    if (const std::size_t n = number_length(s, j); n > 0) {
      flush_text(i);
      out.push_back({Token::Kind::Number, i, s.substr(i, j + n - i)});
      i = text_from = j + n;
      continue;
    }
    i = j > i ? j : i + 1;
  }
  flush_text(s.size());
  return out;
}

// A printed real as an integer count of its last digit's units, with its
// number of decimals; nothing for an integer or more than 18 digits.
struct Scaled {
  long long units;
  std::size_t decimals;
};
inline std::optional<Scaled> scaled(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  const std::string_view num = field.substr(first);
  const std::size_t point = num.find('.');
  if (point == std::string_view::npos) return std::nullopt;
  long long v = 0;
  int digits = 0;
  for (char c : num) {
    if (!is_digit(c)) continue;
    if (++digits > 18) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return Scaled{num.front() == '-' ? -v : v, num.size() - point - 1};
}

inline bool same_number(std::string_view expected, std::string_view found) {
  if (expected == found) return true;
  if (expected.size() != found.size()) return false;
  const auto e = scaled(expected), f = scaled(found);
  return e && f && e->decimals == f->decimals && std::llabs(e->units - f->units) <= 1;
}

// Column (from 1) and the two differing texts of a record pair, or an
// empty answer when the records agree under the rule. The fields are those
// of the expected record, cut from the new record at the same columns (the
// files are fixed-column), so that a number that grew into the blank before
// it is still read as its own field.
struct Difference {
  std::size_t column = 0;
  std::string expected, found;
};

// The text of `s` from column `col` (from 0) on, quoted.
inline std::string rest(std::string_view s, std::size_t col) {
  return col < s.size() ? rec::quoted(s.substr(col)) : std::string("the end of the record");
}

// Blanks, then one number that fills the rest of the field.
inline bool is_number_field(std::string_view f) {
  const std::size_t first = f.find_first_not_of(' ');
  return first != std::string_view::npos && number_length(f, first) == f.size() - first;
}

inline std::optional<Difference> compare_record(std::string_view expected, std::string_view found) {
  if (expected == found) return std::nullopt;
  for (const Token& t : tokens(expected)) {
    const std::size_t width = t.text.size();
    const std::string_view f = t.col < found.size() ? found.substr(t.col, width) : std::string_view();
    if (t.kind != Token::Kind::Number) {
      if (f == t.text) continue;
      std::size_t same = 0;
      while (same < f.size() && f[same] == t.text[same]) ++same;
      if (t.kind == Token::Kind::Text)
        return Difference{t.col + same + 1, rest(expected, t.col + same), rest(found, t.col + same)};
      return Difference{t.col + 1, rec::quoted(t.text), f.size() == width ? rec::quoted(f) : rest(found, t.col)};
    }
    // Where a number runs into a following one that starts with its point,
    // the token holds digits of both fields: it must then match exactly.
    const std::size_t end = t.col + width;
    const bool touching = end < expected.size() && expected[end] == '.';
    if (f.size() == width && is_number_field(f) && (touching ? f == t.text : same_number(t.text, f))) continue;
    return Difference{t.col + 1, rec::quoted(t.text), f.size() == width ? rec::quoted(f) : rest(found, t.col)};
  }
  if (found.size() > expected.size())
    return Difference{expected.size() + 1, "the end of the record", rest(found, expected.size())};
  return std::nullopt;
}

// The records of a text, each without its line end, and its line end
// ("CR LF", "LF", or "none" for a last record without one).
struct Record {
  std::string_view text;
  const char* end;
};
inline std::vector<Record> records(std::string_view text) {
  std::vector<Record> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t nl = text.find('\n', pos);
    std::string_view r = text.substr(pos, (nl == std::string_view::npos ? text.size() : nl) - pos);
    const char* end = "none";
    if (nl != std::string_view::npos) {
      end = !r.empty() && r.back() == '\r' ? "CR LF" : "LF";
      if (r.ends_with('\r')) r.remove_suffix(1);
    }
    out.push_back({r, end});
    pos = nl == std::string_view::npos ? text.size() : nl + 1;
  }
  return out;
}

}  // namespace reference_detail

// The differences between a stored output and a new one under the rule
// above, one message each ("FILE, record N, column C: expected "...", found
// "..."", then the expected record), at most `shown` of them followed by a
// count of the rest; empty when they agree.
inline std::vector<std::string> compare_output(const std::string& file, std::string_view expected,
                                               std::string_view found, std::size_t shown = 5) {
  using namespace reference_detail;
  const std::vector<Record> e = records(expected), f = records(found);
  std::vector<std::string> out;
  std::size_t differing = 0;
  auto report = [&](std::string message) {
    if (++differing <= shown) out.push_back(std::move(message));
  };
  for (std::size_t n = 0; n < std::max(e.size(), f.size()); ++n) {
    const std::string at = file + ", record " + std::to_string(n + 1);
    if (n >= f.size()) {
      report(at + ": expected " + rec::quoted(e[n].text) + ", found the end of the file");
    } else if (n >= e.size()) {
      report(at + ": expected the end of the file, found " + rec::quoted(f[n].text));
    } else if (const auto d = compare_record(e[n].text, f[n].text)) {
      report(at + ", column " + std::to_string(d->column) + ": expected " + d->expected + ", found " +
             d->found + "\n    expected record: " + rec::quoted(e[n].text));
    } else if (std::string_view(e[n].end) != f[n].end) {
      report(at + ": expected the line end " + e[n].end + ", found " + f[n].end);
    }
  }
  if (e.size() != f.size())
    out.insert(out.begin(), file + ": expected " + std::to_string(e.size()) + " records, found " +
                                std::to_string(f.size()));
  if (differing > shown)
    out.push_back(file + ": " + std::to_string(differing - shown) + " more differing records");
  return out;
}

// True when the run is to replace the stored references instead of being
// compared with them.
inline bool updating_references() {
  const char* v = std::getenv("UPDATE_REFERENCES");
  return v != nullptr && std::string_view(v) == "1";
}

// Every file below `dir`, as paths relative to it, in order.
inline std::set<fs::path> files_below(const fs::path& dir) {
  std::set<fs::path> files;
  if (!fs::is_directory(dir)) return files;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) files.insert(fs::relative(e.path(), dir));
  return files;
}

// Compares the outputs of a run (files relative to `run_dir`) with the
// stored references in `reference_dir`: the same set of files, each
// agreeing under the rule. In update mode the stored folder is replaced by
// the outputs instead.
inline void check_reference_outputs(const fs::path& reference_dir, const fs::path& run_dir,
                                    const std::set<fs::path>& outputs) {
  if (updating_references()) {
    fs::remove_all(reference_dir);
    for (const fs::path& f : outputs) {
      fs::create_directories((reference_dir / f).parent_path());
      fs::copy_file(run_dir / f, reference_dir / f);
    }
    return;
  }
  const std::set<fs::path> stored = files_below(reference_dir);
  for (const fs::path& f : stored)
    if (!outputs.contains(f)) ADD_FAILURE() << reference_dir.string() << ": " << f.string() << " was not written";
  for (const fs::path& f : outputs) {
    if (!stored.contains(f)) {
      ADD_FAILURE() << f.string() << " was written but has no reference in " << reference_dir.string()
                    << " (scripts/update-references.sh stores it)";
      continue;
    }
    const std::vector<std::string> diffs =
        compare_output(f.string(), read_text(reference_dir / f), read_text(run_dir / f));
    if (diffs.empty()) continue;
    std::string message = "outputs differ from " + (reference_dir / f).string() + ":";
    for (const std::string& d : diffs) message += "\n  " + d;
    ADD_FAILURE() << message;
  }
}

}  // namespace testsupport
