// The tool's manual page, docs/skeldertool.1: it renders cleanly and describes every
// command and option the tool's usage text names.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <set>

#include "support/TempFolder.h"

namespace skelder {
namespace {

const std::string kTool = SKELDER_DEMO_DIR "/skeldertool";
const std::string kManPage = SKELDER_SOURCE_DIR "/docs/skeldertool.1";

struct Outcome {
  int status = -1;
  std::string out, err;
};

Outcome Shell(const testing::TempFolder& scratch, const std::string& command) {
  const std::string out = scratch.file("stdout"), err = scratch.file("stderr");
  const int raw = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::ReadFileBytes(out),
          testing::ReadFileBytes(err)};
}

// A word as roff source writes it: every "-" as "\-".
std::string Roff(const std::string& word) {
  return std::regex_replace(word, std::regex("-"), "\\-");
}

// The text of the section with that heading, up to the next one.
std::string Section(const std::string& page, const std::string& heading) {
  const auto begin = page.find("\n.SH " + heading + "\n");
  if (begin == std::string::npos) return "";
  const auto end = page.find("\n.SH ", begin + 1);
  return page.substr(begin, end == std::string::npos ? std::string::npos : end + 1 - begin);
}

class ManPage : public ::testing::Test {
 protected:
  testing::TempFolder scratch;
  const std::string page = testing::ReadFileBytes(kManPage);
};

TEST_F(ManPage, RendersWithoutAWarning) {
  const Outcome render = Shell(scratch, "groff -man -Tutf8 -ww -z '" + kManPage + "'");
  EXPECT_EQ(render.status, 0);
  EXPECT_EQ(render.err, "");
}

TEST_F(ManPage, HasAnEntryForEveryCommandAndOptionOfTheUsageText) {
  const Outcome usage = Shell(scratch, "'" + kTool + "'");
  ASSERT_EQ(usage.status, 2);
  std::set<std::string> commands, options;
  const std::regex command("(?:usage:)? +skeldertool ([-a-z]+)");
  for (auto it = std::sregex_iterator(usage.err.begin(), usage.err.end(), command);
       it != std::sregex_iterator(); ++it)
    commands.insert((*it)[1]);
  const std::regex option("--[a-z][-a-z]*");
  for (auto it = std::sregex_iterator(usage.err.begin(), usage.err.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert((*it)[0]);
  ASSERT_GE(commands.size(), 7u) << usage.err;

  const std::string synopsis = Section(page, "SYNOPSIS");
  const std::string entries = Section(page, "COMMANDS");
  for (const std::string& name : commands) {
    EXPECT_NE(synopsis.find("\n.B skeldertool " + Roff(name) + "\n"), std::string::npos) << name;
    // An entry: a tagged paragraph whose tag begins with the command.
    const std::regex entry("\n\\.TP\n\\.B " +
                           std::regex_replace(Roff(name), std::regex("\\\\"), "\\\\") + "( |\n)");
    EXPECT_TRUE(std::regex_search(entries, entry)) << name;
  }
  for (const std::string& name : options)
    EXPECT_NE(page.find(Roff(name)), std::string::npos) << name;
}

TEST_F(ManPage, NamesTheExitStatusesAndTheEnvironment) {
  const std::string status = Section(page, "EXIT STATUS");
  for (const char* code : {"0", "1", "2"})
    EXPECT_NE(status.find("\n.TP\n.B " + std::string(code) + "\n"), std::string::npos) << code;
  const std::string environment = Section(page, "ENVIRONMENT");
  for (const char* name : {"SKELDER_TERMINAL_UPDATE_BASE", "SKELDER_PRODUCT_UPDATE_BASE"})
    EXPECT_NE(environment.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace skelder
#endif
