// A program's manual: one source file in a small plain markup, from which
// the build makes both the manual page (roff, for man) and the text the
// program prints for --help, so that the two never differ.
//
// The markup, line by line (blocks are separated by blank lines):
//
//   orvtar(1) -- the simple global climate model    first line: name, section, summary
//   # DESCRIPTION                                   a section heading
//   ## Settings file                                a subsection heading
//   Plain lines starting in column 1                a paragraph, filled
//       four spaces in front                        a literal line, shown as written
//   - --seed N                                      an item: the term after "- ",
//     its text on the following indented lines      then its text, filled
//
// A section named SYNOPSIS holds literal lines only; they are also the
// usage a program shows beside an error. Only printable ASCII is accepted;
// the roff escapes (hyphens, backslashes, quotes, leading dots) are the
// generator's job, not the author's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace doc {

enum class BlockKind { Section, Subsection, Paragraph, Literal, Item };

struct ManualBlock {
  BlockKind kind;
  std::string term;                // the heading's title or the item's term
  std::vector<std::string> lines;  // text lines (paragraph, item) or literal lines
};

struct Manual {
  std::string name;     // "orvtar"
  std::string section;  // "1"
  std::string summary;  // "the simple global climate model"
  std::vector<ManualBlock> blocks;
};

// Reads the markup; a line it cannot place throws rec::Error naming
// `source`, the line and what was expected.
Manual parse_manual(std::string_view text, const std::string& source);

// The manual page in the man macros.
std::string roff_page(const Manual& manual);

// The page as man shows it at 80 columns, without the header and footer
// lines: what --help prints.
std::string help_text(const Manual& manual);

// "Usage:" and the SYNOPSIS lines, for a wrong command line.
std::string usage_text(const Manual& manual);

// A C++ header defining manual::HELP and manual::USAGE; `source` is named
// in its first comment.
std::string help_header(const Manual& manual, const std::string& source);

}  // namespace doc
