// Each program's --help text and its manual page come from one source: the
// text a program prints must be what man shows of its page (rendered by
// groff, not by our generator), and groff must render every page without a
// warning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_lines;
using testsupport::read_text;

const std::vector<std::string> PROGRAMS = {"orvtar", "crossmod", "varistat", "scenario", "tesseragen", "tesseraimport"};

// The build folder has the installed layout: BIN/../share/man/man1.
fs::path page_of(const std::string& program) {
  return fs::path(BIN_DIR) / ".." / "share" / "man" / "man1" / (program + ".1");
}

TEST(ManualPages, HelpIsWhatManShows) {
  testsupport::ScratchDir dir("manual_pages");
  for (const std::string& program : PROGRAMS) {
    SCOPED_TRACE(program);
    const fs::path page = page_of(program);
    ASSERT_TRUE(fs::exists(page));
    const fs::path help = dir.path() / (program + ".help");
    const fs::path shown = dir.path() / (program + ".man");
    ASSERT_EQ(exit_status(std::string(BIN_DIR) + "/" + program + " --help > " + help.string()), 0);
    // man at 80 columns in the C locale, overstriking removed.
    ASSERT_EQ(exit_status("LC_ALL=C MANWIDTH=80 MAN_KEEP_FORMATTING= man -l -P cat " + page.string() +
                          " 2>/dev/null | col -bx > " + shown.string()),
              0);
    // man adds a header line and a footer line, each followed or preceded
    // by a blank line; --help leaves them out.
    std::vector<std::string> lines = read_lines(shown);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_NE(lines.front().find("User Commands"), std::string::npos) << lines.front();
    ASSERT_EQ(lines[1], "");
    ASSERT_EQ(lines[lines.size() - 2], "");
    std::string body;
    for (std::size_t i = 2; i + 2 < lines.size(); ++i) body += lines[i] + "\n";
    EXPECT_EQ(read_text(help), body);
  }
}

TEST(ManualPages, GroffRendersWithoutWarnings) {
  testsupport::ScratchDir dir("manual_warnings");
  for (const std::string& program : PROGRAMS) {
    SCOPED_TRACE(program);
    const fs::path warnings = dir.path() / (program + ".warnings");
    ASSERT_EQ(
        exit_status("LC_ALL=C groff -man -Tascii -ww -z " + page_of(program).string() + " 2> " + warnings.string()), 0);
    EXPECT_EQ(read_text(warnings), "");
  }
}

// A wrong command line gets the SYNOPSIS on standard error and status 2.
TEST(ManualPages, WrongCommandLineShowsTheSynopsis) {
  testsupport::ScratchDir dir("manual_usage");
  for (const std::string& program : PROGRAMS) {
    SCOPED_TRACE(program);
    const fs::path err = dir.path() / (program + ".err");
    EXPECT_EQ(
        exit_status(std::string(BIN_DIR) + "/" + program + " --no-such-option 2> " + err.string() + " > /dev/null"), 2);
    const std::string text = read_text(err);
    EXPECT_NE(text.find("Usage:\n  " + program), std::string::npos) << text;
  }
}

}  // namespace
