// The programs take no arguments: --help answers, anything else is refused.
#include <gtest/gtest.h>

#include "records/command_line.h"

namespace {

TEST(CommandLine, HelpRunOrRefuse) {
  char prog[] = "orvtar";
  char help[] = "--help";
  char h[] = "-h";
  char other[] = "ORVUSER.CFG";
  char* none[] = {prog, nullptr};
  char* asks[] = {prog, help, nullptr};
  char* asks_short[] = {prog, h, nullptr};
  char* wrong[] = {prog, other, nullptr};
  char* two[] = {prog, help, other, nullptr};
  EXPECT_EQ(rec::no_arguments(1, none, "usage\n"), -1);
  EXPECT_EQ(rec::no_arguments(2, asks, "usage\n"), 0);
  EXPECT_EQ(rec::no_arguments(2, asks_short, "usage\n"), 0);
  EXPECT_EQ(rec::no_arguments(2, wrong, "usage\n"), 2);
  EXPECT_EQ(rec::no_arguments(3, two, "usage\n"), 2);
}

}  // namespace
