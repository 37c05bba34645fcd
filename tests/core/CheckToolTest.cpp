// skeldertool check and check-ttl, run as processes on tables and macro files (through
// the POSIX shell), with a Tera Term folder and settings of their own.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace skelder {
namespace {

namespace fs = std::filesystem;
using testing::ToolRun;

class CheckToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(folder.file("tt"));
    fs::copy_file(SKELDER_SOURCE_DIR "/data/KeyFile.ini", folder.file("tt/KeyFile.ini"));
  }
  ToolRun run(const std::string& arguments) {
    return testing::RunTool(folder.path(), "XDG_CONFIG_HOME='" + folder.file("cfg") + "'",
                            arguments);
  }
  std::string file(const std::string& name, const std::string& bytes) {
    testing::WriteFileBytes(folder.file(name), bytes);
    return name;
  }
  // A table whose connection "Site/A" opens a block that its child "Host" closes.
  std::string table() {
    file("t.json", R"({"nodes": [
      {"name": "Site/A", "macro": "while 1\r\n  sendln '$[1]'", "children": [
        {"name": "Host", "macro": "endwhile\r\nsendlm 'x'"},
        {"name": "-"},
        {"name": "Empty", "macro": "  "}]},
      {"name": "Good", "macro": "beep"}]})");
    const ToolRun build = run("build t.json t.SKD");
    EXPECT_EQ(build.status, 0) << build.err;
    return "t.SKD";
  }

  testing::TempFolder folder;
};

TEST_F(CheckToolTest, CheckTtlPrintsTheFindingsOfEachFileAndExitsOneOnAnError) {
  file("good.ttl", "sendln 'a'\r\n");
  file("warn.ttl", "return\r\n");
  file("bad.ttl", "if a then\r\n  sendlm 'b\r\n");
  ToolRun check = run("check-ttl good.ttl warn.ttl bad.ttl --folder tt");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out,
            "warn.ttl:1:1: warning: \"return\" outside any label\n"
            "bad.ttl:1:1: error: \"if\" without \"endif\"\n"
            "bad.ttl:2:3: error: unknown command \"sendlm\"\n"
            "bad.ttl:2:10: error: string not closed on this line\n");
  EXPECT_EQ(check.err, "");

  check = run("check-ttl good.ttl warn.ttl --folder tt");
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out, "warn.ttl:1:1: warning: \"return\" outside any label\n");
}

TEST_F(CheckToolTest, CheckTtlWithoutAKeywordFileChecksAllButTheCommands) {
  fs::create_directory(folder.file("bare"));
  file("bad.ttl", "sendlm 'b'\r\nendif\r\n");
  const ToolRun check = run("check-ttl bad.ttl --folder bare");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, "bad.ttl:2:1: error: \"endif\" without \"if\"\n");
  EXPECT_EQ(check.err,
            "No keyword file " + folder.file("bare/KeyFile.ini") + ": commands are not checked\n");
}

TEST_F(CheckToolTest, CheckTtlRefusesAWrongCommandLineAndAMissingFile) {
  struct Case {
    std::string arguments;
    std::string err;
  };
  const Case cases[] = {
      {"check-ttl", "usage: skeldertool check-ttl FILE... [--folder DIR]\n"},
      {"check-ttl a.ttl --fast", "usage: skeldertool check-ttl FILE... [--folder DIR]\n"},
      {"check-ttl missing.ttl --folder tt",
       "Cannot open file \"missing.ttl\". No such file or directory\n"},
  };
  for (const Case& c : cases) {
    const ToolRun check = run(c.arguments);
    EXPECT_EQ(check.status, 2) << c.arguments;
    EXPECT_EQ(check.out, "") << c.arguments;
    EXPECT_EQ(check.err, c.err) << c.arguments;
  }
}

// A connection is checked as its run would execute it: alone, or with its ancestors.
TEST_F(CheckToolTest, CheckTakesTheMacroARunOfTheConnectionWouldExecute) {
  const std::string t = table();
  ToolRun check = run("check " + t + " '/Site\\/A/Host' --folder tt");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out,
            "t.SKD(/Site\\/A/Host):1:1: error: \"endwhile\" without \"while\"\n"
            "t.SKD(/Site\\/A/Host):2:1: error: unknown command \"sendlm\"\n");
  EXPECT_EQ(check.err, "");

  check = run("check " + t + " '/Site\\/A/Host' --branch --folder tt");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, "t.SKD(/Site\\/A/Host):4:1: error: unknown command \"sendlm\"\n");

  check = run("check " + t + " /Good --branch --folder tt");
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out, "");
}

TEST_F(CheckToolTest, CheckWithoutAPathTakesEveryConnectionWithAMacro) {
  const ToolRun check = run("check " + table() + " --folder tt");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out,
            "t.SKD(/Site\\/A):1:1: error: \"while\" without \"endwhile\"\n"
            "t.SKD(/Site\\/A/Host):1:1: error: \"endwhile\" without \"while\"\n"
            "t.SKD(/Site\\/A/Host):2:1: error: unknown command \"sendlm\"\n");
}

TEST_F(CheckToolTest, CheckRefusesAWrongCommandLineAMissingTableAndAMissingConnection) {
  const std::string t = table();
  const std::string usage = "usage: skeldertool check TABLE [PATH] [--branch] [--folder DIR]\n";
  struct Case {
    std::string arguments;
    std::string err;
  };
  const Case cases[] = {
      {"check", usage},
      {"check " + t + " /Good /Site --folder tt", usage},
      {"check " + t + " --to-line 2", "unknown option --to-line\n" + usage},
      {"check missing.SKD --folder tt", "The file 'missing.SKD' does not exist.\n"},
      {"check " + t + " /Nothing --folder tt", "No connection \"/Nothing\" in t.SKD\n"},
  };
  for (const Case& c : cases) {
    const ToolRun check = run(c.arguments);
    EXPECT_EQ(check.status, 2) << c.arguments;
    EXPECT_EQ(check.out, "") << c.arguments;
    EXPECT_EQ(check.err, c.err) << c.arguments;
  }
}

}  // namespace
}  // namespace skelder
#endif
