#include "doctools/manual_page.h"

#include <sstream>

#include "records/record_io.h"

namespace doc {
namespace {

// man's layout at 80 columns: text from column 8 to 78, an item's text from
// column 15, a subsection heading from column 4.
constexpr std::size_t WIDTH = 78;
constexpr std::size_t BODY = 7;
constexpr std::size_t ITEM = 14;
constexpr std::size_t SUBSECTION = 3;
constexpr std::string_view LITERAL_INDENT = "    ";

// "orvtar/control/orvtar.1.txt, line 12: WHAT"; line 0 names no line.
[[noreturn]] void fail(const std::string& source, std::size_t line, const std::string& what) {
  throw rec::Error(source + (line ? ", line " + std::to_string(line) : std::string()) + ": " + what);
}

bool starts_with(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    lines.emplace_back(line.substr(0, line.find_last_not_of(' ') + 1));
    start = end + 1;
  }
  return lines;
}

// "orvtar(1) -- the simple global climate model"
void parse_title(const std::string& line, const std::string& source, Manual& m) {
  const auto open = line.find('(');
  const auto close = line.find(')');
  const auto dash = line.find(" -- ");
  if (open == std::string::npos || open == 0 || close == std::string::npos || close < open + 2 || dash != close + 1 ||
      trim(line.substr(dash + 4)).empty())
    fail(source, 1, "expected the title line NAME(SECTION) -- SUMMARY, found \"" + line + "\"");
  m.name = line.substr(0, open);
  m.section = line.substr(open + 1, close - open - 1);
  m.summary = trim(line.substr(dash + 4));
}

// Roff text: a hyphen is a minus sign (so that options copy as typed), and
// the characters groff would turn into typographic ones are named.
std::string roff_escaped(std::string_view text) {
  std::string out;
  if (!text.empty() && (text[0] == '.' || text[0] == '\'')) out = "\\&";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\e"; break;
      case '-': out += "\\-"; break;
      case '\'': out += "\\(aq"; break;
      case '`': out += "\\(ga"; break;
      case '~': out += "\\(ti"; break;
      case '^': out += "\\(ha"; break;
      default: out += c;
    }
  }
  return out;
}

// A macro's argument, quoted.
std::string roff_argument(std::string_view text) {
  std::string out = "\"";
  for (char c : roff_escaped(text)) out += c == '"' ? std::string("\\(dq") : std::string(1, c);
  return out + "\"";
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Fills words into lines of at most WIDTH columns from column `indent`,
// the first line starting at column `first` (which may be further right,
// after an item's term). Like groff, a sentence that ends a source line is
// followed by two spaces when the next word stays on the same line.
void fill(std::ostream& out, const std::vector<std::string>& lines, std::size_t indent, std::size_t first) {
  std::size_t column = first;
  bool line_empty = true;
  std::string gap;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::string& w = words[i];
      if (!line_empty && column + gap.size() + w.size() > WIDTH) {
        out << '\n' << std::string(indent, ' ');
        column = indent;
        line_empty = true;
      }
      if (!line_empty) {
        out << gap;
        column += gap.size();
      }
      out << w;
      column += w.size();
      line_empty = false;
      const bool last_of_line = i + 1 == words.size();
      const std::string_view core = std::string_view(w).substr(0, w.find_last_not_of("\"')]*") + 1);
      const bool sentence_end = !core.empty() && (core.back() == '.' || core.back() == '?' || core.back() == '!');
      gap = last_of_line && sentence_end ? "  " : " ";
    }
  }
  out << '\n';
}

}  // namespace

Manual parse_manual(std::string_view text, const std::string& source) {
  const std::vector<std::string> lines = split_lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i)
    for (char c : lines[i])
      if (c < ' ' || c > '~')
        fail(source, i + 1,
             "expected printable ASCII only (no tabs, no other characters), found byte " +
                 std::to_string(static_cast<unsigned char>(c)));
  if (lines.empty()) fail(source, 1, "expected the title line NAME(SECTION) -- SUMMARY; the file is empty");
  Manual m;
  parse_title(lines[0], source, m);

  ManualBlock* open = nullptr;  // the block that further lines extend
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::size_t number = i + 1;
    const std::string text = trim(line);
    if (text.empty()) {
      open = nullptr;
    } else if (starts_with(line, "# ") || starts_with(line, "## ")) {
      const bool sub = starts_with(line, "## ");
      m.blocks.push_back({sub ? BlockKind::Subsection : BlockKind::Section, trim(line.substr(sub ? 3 : 2)), {}});
      open = nullptr;
    } else if (starts_with(line, "- ")) {
      m.blocks.push_back({BlockKind::Item, trim(line.substr(2)), {}});
      open = &m.blocks.back();
    } else if (open && open->kind == BlockKind::Item) {
      if (line[0] != ' ') fail(source, number, "expected the item's text indented, or a blank line before a paragraph");
      open->lines.push_back(text);
    } else if (open && open->kind == BlockKind::Literal) {
      if (!starts_with(line, LITERAL_INDENT))
        fail(source, number, "expected a literal line (four spaces in front), or a blank line before a paragraph");
      open->lines.push_back(line.substr(LITERAL_INDENT.size()));
    } else if (open) {
      if (line[0] == ' ')
        fail(source, number, "expected a paragraph line in column 1, or a blank line before a literal block");
      open->lines.push_back(text);
    } else if (starts_with(line, LITERAL_INDENT)) {
      m.blocks.push_back({BlockKind::Literal, "", {line.substr(LITERAL_INDENT.size())}});
      open = &m.blocks.back();
    } else if (line[0] == ' ') {
      fail(source, number, "expected a paragraph in column 1 or a literal line with four spaces in front");
    } else {
      m.blocks.push_back({BlockKind::Paragraph, "", {text}});
      open = &m.blocks.back();
    }
  }

  bool in_synopsis = false, has_synopsis = false;
  for (const ManualBlock& b : m.blocks) {
    if (b.kind == BlockKind::Item && b.lines.empty())
      fail(source, 0, "item \"" + b.term + "\": expected its text on the indented lines after it");
    if (b.kind == BlockKind::Section) in_synopsis = b.term == "SYNOPSIS", has_synopsis |= in_synopsis;
    else if (in_synopsis && b.kind != BlockKind::Literal)
      fail(source, 0, "SYNOPSIS: expected literal lines only (four spaces in front)");
  }
  if (!has_synopsis) fail(source, 0, "expected a section # SYNOPSIS with the program's command lines");
  return m;
}

std::string roff_page(const Manual& m) {
  std::ostringstream out;
  out << ".TH " << roff_argument(upper(m.name)) << ' ' << m.section << " \"\" \"Scenario toolkit\" \"User Commands\"\n"
      << ".nh\n.ad l\n"
      << ".SH NAME\n"
      << roff_escaped(m.name) << " \\- " << roff_escaped(m.summary) << '\n';
  for (const ManualBlock& b : m.blocks) {
    switch (b.kind) {
      case BlockKind::Section: out << ".SH " << roff_argument(b.term) << '\n'; break;
      case BlockKind::Subsection: out << ".SS " << roff_argument(b.term) << '\n'; break;
      case BlockKind::Paragraph:
        out << ".PP\n";
        for (const std::string& line : b.lines) out << roff_escaped(line) << '\n';
        break;
      case BlockKind::Literal:
        out << ".PP\n.nf\n";
        for (const std::string& line : b.lines) out << roff_escaped(line) << '\n';
        out << ".fi\n";
        break;
      case BlockKind::Item:
        out << ".TP\n" << roff_escaped(b.term) << '\n';
        for (const std::string& line : b.lines) out << roff_escaped(line) << '\n';
        break;
    }
  }
  return out.str();
}

std::string help_text(const Manual& m) {
  std::ostringstream out;
  const std::string body(BODY, ' ');
  out << "NAME\n" << body;
  fill(out, {m.name + " - " + m.summary}, BODY, BODY);
  bool after_heading = false;
  for (const ManualBlock& b : m.blocks) {
    if (b.kind == BlockKind::Section) {
      out << '\n' << b.term << '\n';
      after_heading = true;
      continue;
    }
    if (!after_heading) out << '\n';
    after_heading = false;
    switch (b.kind) {
      case BlockKind::Section: break;
      case BlockKind::Subsection:
        out << std::string(SUBSECTION, ' ') << b.term << '\n';
        after_heading = true;
        break;
      case BlockKind::Paragraph:
        out << body;
        fill(out, b.lines, BODY, BODY);
        break;
      case BlockKind::Literal:
        for (const std::string& line : b.lines) out << body << line << '\n';
        break;
      case BlockKind::Item:
        // groff puts the text beside a term that ends before the text's
        // column, else on the next line.
        out << body << b.term;
        if (BODY + b.term.size() < ITEM) {
          out << std::string(ITEM - BODY - b.term.size(), ' ');
        } else {
          out << '\n' << std::string(ITEM, ' ');
        }
        fill(out, b.lines, ITEM, ITEM);
        break;
    }
  }
  return out.str();
}

std::string usage_text(const Manual& m) {
  std::string out = "Usage:\n";
  bool in_synopsis = false;
  for (const ManualBlock& b : m.blocks) {
    if (b.kind == BlockKind::Section) in_synopsis = b.term == "SYNOPSIS";
    else if (in_synopsis)
      for (const std::string& line : b.lines) out += "  " + line + "\n";
  }
  return out + "See " + m.name + " --help, or man " + m.name + ".\n";
}

std::string help_header(const Manual& m, const std::string& source) {
  const auto literal = [](const std::string& text) {
    std::string out;
    for (const std::string& line : split_lines(text)) {
      out += "\n    \"";
      for (char c : line) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
      }
      out += "\\n\"";
    }
    return out;
  };
  std::string out = "// Generated from " + source + " by doctool at build time; edit that file.\n";
  out += "#pragma once\n\nnamespace manual {\n\n";
  out += "// The manual page as man shows it: what " + m.name + " --help prints.\n";
  out += "inline constexpr const char* HELP =" + literal(help_text(m)) + ";\n\n";
  out += "// The command lines of the SYNOPSIS, for a wrong command line.\n";
  out += "inline constexpr const char* USAGE =" + literal(usage_text(m)) + ";\n\n";
  return out + "}  // namespace manual\n";
}

}  // namespace doc
