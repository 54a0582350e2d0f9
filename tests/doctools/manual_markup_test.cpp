// The manual markup: what groff makes of the generated page must be the
// generated --help text, also for the characters roff would take as markup,
// and a source line the parser cannot place is refused naming its line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doctools/manual_page.h"
#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_lines;

// Hyphens, a backslash, quotes, a leading dot and apostrophe, a sentence
// ending a source line, a term too long to share its line, and a long word.
constexpr const char* TRICKY = R"(tricky(1) -- a "quoted" summary with a C:\path and x-y
# SYNOPSIS
    tricky [--opt 'A'] \n
    .dot-first

# DESCRIPTION
.starts with a dot, then 'quotes' and "double quotes", back`ticks` ~ ^.
Ends a sentence.
Next one follows a line end, and an_underscore_and_a_very_long_word_that_will_not_fit_anywhere_on_a_line_ok.
'starts with an apostrophe

## Sub heading
- -s
  short term, text beside it
- --a-long-option=VALUE
  long term, text on the next line; 2-3 per cent.
)";

TEST(ManualMarkup, GroffShowsWhatHelpPrints) {
  const doc::Manual m = doc::parse_manual(TRICKY, "tricky.1.txt");
  testsupport::ScratchDir dir("manual_markup");
  const fs::path page = dir.path() / "tricky.1";
  const fs::path shown = dir.path() / "tricky.man";
  testsupport::write_text(page, doc::roff_page(m));
  ASSERT_EQ(exit_status("LC_ALL=C MANWIDTH=80 MAN_KEEP_FORMATTING= man -l -P cat " + page.string() +
                        " 2>/dev/null | col -bx > " + shown.string()),
            0);
  const std::vector<std::string> lines = read_lines(shown);
  ASSERT_GE(lines.size(), 4u);
  std::string body;
  for (std::size_t i = 2; i + 2 < lines.size(); ++i) body += lines[i] + "\n";
  EXPECT_EQ(doc::help_text(m), body);
  EXPECT_EQ(doc::usage_text(m), "Usage:\n  tricky [--opt 'A'] \\n\n  .dot-first\nSee tricky --help, or man tricky.\n");
}

TEST(ManualMarkup, LinesItCannotPlaceAreRefusedByLine) {
  const auto error_of = [](const std::string& text) {
    try {
      doc::parse_manual(text, "x.1.txt");
    } catch (const rec::Error& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  const std::string head = "x(1) -- summary\n# SYNOPSIS\n    x\n";
  EXPECT_EQ(error_of("x -- summary\n").rfind("x.1.txt, line 1: expected the title line", 0), 0u);
  EXPECT_EQ(error_of(head + "# OPTIONS\n- --y\nnot indented\n").rfind("x.1.txt, line 6: expected the item's text", 0),
            0u);
  EXPECT_EQ(error_of(head + "# DESCRIPTION\ntext\n  indented\n")
                .rfind("x.1.txt, line 6: expected a paragraph line in column 1", 0),
            0u);
  EXPECT_EQ(error_of(head + "tab\there\n").rfind("x.1.txt, line 4: expected printable ASCII only", 0), 0u);
  EXPECT_EQ(error_of("x(1) -- summary\n# DESCRIPTION\ntext\n").rfind("x.1.txt: expected a section # SYNOPSIS", 0), 0u);
  EXPECT_EQ(error_of(head + "# OPTIONS\n- --y\n"),
            "x.1.txt: item \"--y\": expected its text on the indented lines after it");
}

}  // namespace
