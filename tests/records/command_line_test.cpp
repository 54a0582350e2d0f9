// The programs take no arguments: --help answers on standard output,
// anything else is refused with the usage on standard error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/command_line.h"

namespace {

struct Answer {
  int status;
  std::string out, err;
};

Answer answer(std::vector<char*> argv) {
  argv.push_back(nullptr);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int status = rec::no_arguments(static_cast<int>(argv.size()) - 1, argv.data(), "help\n", "usage\n");
  return {status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

TEST(CommandLine, HelpRunOrRefuse) {
  char prog[] = "orvtar";
  char help[] = "--help";
  char h[] = "-h";
  char other[] = "ORVUSER.CFG";
  const Answer none = answer({prog});
  EXPECT_EQ(none.status, -1);
  EXPECT_EQ(none.out + none.err, "");
  for (char* asks : {help, h}) {
    const Answer a = answer({prog, asks});
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, "help\n");
    EXPECT_EQ(a.err, "");
  }
  const Answer wrong = answer({prog, other});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.out, "");
  EXPECT_EQ(wrong.err, "orvtar takes no arguments (given: ORVUSER.CFG)\nusage\n");
  EXPECT_EQ(answer({prog, help, other}).status, 2);
}

}  // namespace
