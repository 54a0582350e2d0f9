// tesseragen's command line: the options, their errors, and the program's
// exit status and messages.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "records/record_io.h"
#include "tools/synth_options.h"

namespace {

synth::CommandLine parse(std::vector<const char*> args) {
  return synth::parse_command_line(static_cast<int>(args.size()), args.data());
}

std::string error_of(std::vector<const char*> args) {
  try {
    parse(args);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

TEST(SynthOptions, DefaultsAndLists) {
  synth::CommandLine cl = parse({"/tmp/x"});
  EXPECT_EQ(cl.tree.root, "/tmp/x");
  EXPECT_EQ(cl.tree.seed, 1u);
  EXPECT_EQ(cl.tree.vars, (std::vector<int>{1, 2}));
  EXPECT_TRUE(cl.tree.seasons.empty());  // all 17
  EXPECT_FALSE(cl.help);

  cl = parse({"--seed", "42", "--vars", "precip", "--seasons", "ann,DJF,1,jan", "--workdir", "/w",
              "--quiet", "root"});
  EXPECT_EQ(cl.tree.seed, 42u);
  EXPECT_EQ(cl.tree.vars, (std::vector<int>{2}));
  EXPECT_EQ(cl.tree.seasons, (std::vector<int>{1, 13, 17}));
  EXPECT_EQ(cl.tree.workdir, "/w");
  EXPECT_TRUE(cl.quiet);
  EXPECT_EQ(parse({"--vars", "P,T,1", "r"}).tree.vars, (std::vector<int>{1, 2}));
  EXPECT_TRUE(parse({"--help"}).help);
}

TEST(SynthOptions, BadArgumentsNameWhatWasWrong) {
  EXPECT_NE(error_of({"--seasons", "ANN,XYZ", "r"}).find("\"XYZ\""), std::string::npos);
  EXPECT_NE(error_of({"--seasons", "18", "r"}).find("\"18\""), std::string::npos);
  EXPECT_NE(error_of({"--vars", "RAIN", "r"}).find("--vars"), std::string::npos);
  EXPECT_NE(error_of({"--seed", "-3", "r"}).find("non-negative"), std::string::npos);
  EXPECT_NE(error_of({"--seed"}).find("needs a value"), std::string::npos);
  EXPECT_NE(error_of({"--colour", "r"}).find("--colour"), std::string::npos);
  EXPECT_NE(error_of({"a", "b"}).find("only one ROOT"), std::string::npos);
  EXPECT_NE(error_of({}).find("no ROOT"), std::string::npos);
}

// Runs a command; returns its exit status and its standard output and error.
int run(const std::string& cmd, std::string& out) {
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  out.clear();
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  int status = pclose(p);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SynthProgram, HelpSaysSyntheticAndErrorsExitWithTwo) {
  const std::string exe = std::string(BIN_DIR) + "/tesseragen";
  std::string out;
  EXPECT_EQ(run(exe + " --help", out), 0);
  EXPECT_NE(out.find("SYNTHETIC"), std::string::npos);
  EXPECT_NE(out.find("--seasons"), std::string::npos);
  EXPECT_EQ(run(exe + " --seasons XYZ /tmp/never", out), 2);
  EXPECT_EQ(out.rfind("tesseragen: ", 0), 0u) << out;
  EXPECT_FALSE(std::filesystem::exists("/tmp/never"));
}

TEST(SynthProgram, WritesATreeAndReportsIt) {
  const std::string exe = std::string(BIN_DIR) + "/tesseragen";
  auto root = std::filesystem::temp_directory_path() / ("tesseragen_prog_" + std::to_string(getpid()));
  std::filesystem::remove_all(root);
  std::string out;
  ASSERT_EQ(run(exe + " --seasons JJA --vars T " + root.string(), out), 0) << out;
  EXPECT_NE(out.find("SYNTHETIC"), std::string::npos);
  EXPECT_NE(out.find("116 files"), std::string::npos) << out;  // 17 x 6 + 3 + 4 + 4 + 2 + 1
  EXPECT_TRUE(std::filesystem::exists(root / "TRELLIS5/OUT/GC12TR00.4TO"));
  std::filesystem::remove_all(root);
}

}  // namespace
