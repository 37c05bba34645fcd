// skeldertool import-hosts, run as a process (through the POSIX shell) with a home
// folder, a Tera Term folder and settings of its own.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace skelder {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::ToolRun;

class HostImportToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder.file("home/.ssh"));
    fs::create_directories(folder.file("tt"));
  }
  ToolRun run(const std::string& arguments) {
    return testing::RunTool(
        folder.path(),
        "HOME='" + folder.file("home") + "' XDG_CONFIG_HOME='" + folder.file("cfg") + "'",
        arguments);
  }
  void write(const std::string& name, const std::string& bytes) {
    testing::WriteFileBytes(folder.file(name), bytes);
  }
  // The names, macros and popups of the table's nodes, nested.
  json nodes(const std::string& table) {
    const ToolRun dump = run("dump " + table);
    EXPECT_EQ(dump.status, 0) << dump.err;
    std::function<json(const json&)> pick = [&](const json& list) {
      json picked = json::array();
      for (const json& node : list)
        picked.push_back({node["name"], node["macro"], node["popup"], pick(node["children"])});
      return picked;
    };
    return pick(json::parse(dump.out)["nodes"]);
  }

  testing::TempFolder folder;
};

TEST_F(HostImportToolTest, TheHostsOfAnOpenSshConfigurationBecomeAFolderOfConnections) {
  write("home/.ssh/config",
        "Host web\n  HostName web.example\n  User ann\n  IdentityFile \"~/.ssh/my key\"\n"
        "Host *\n  Port 2222\n");
  write("t.json", R"({"nodes": [{"name": "Mine", "macro": "beep"}]})");
  ASSERT_EQ(run("build t.json t.SKD").status, 0);

  const ToolRun import = run("import-hosts home/.ssh/config t.SKD --folder tt");
  EXPECT_EQ(import.status, 0) << import.err;
  EXPECT_EQ(import.out,
            "1 host taken from OpenSSH's client configuration home/.ssh/config into \"OpenSSH "
            "config\"\n"
            "skipped *: a pattern names no single host\n");
  EXPECT_EQ(import.err, "");
  const std::string source = "OpenSSH's client configuration home/.ssh/config";
  EXPECT_EQ(nodes("t.SKD"), json::parse(R"([["Mine", "beep", "", []],
              ["OpenSSH config", "", "Hosts imported from )" +
                                        source + R"(", [
                ["web", "connect 'web.example:2222 /ssh /2 /auth=publickey /user=ann /keyfile=\")" +
                                        folder.file("home/.ssh/my key") + R"(\"'",
                 "Imported from )" + source +
                                        R"(\r\nline 1: Host web", []]]]])"));
}

TEST_F(HostImportToolTest, PuttysSessionsGoIntoANewTable) {
  fs::create_directories(folder.file("home/.putty/sessions"));
  write("home/.putty/sessions/Lab%20box", "HostName=lab\nProtocol=telnet\nPortNumber=2323\n");
  const ToolRun import = run("import-hosts putty new.SKD --folder tt");
  EXPECT_EQ(import.status, 0) << import.err;
  const std::string source = "PuTTY's saved sessions (" + folder.file("home/.putty/sessions") + ")";
  EXPECT_EQ(import.out, "1 host taken from " + source + " into \"PuTTY sessions\"\n");
  EXPECT_EQ(nodes("new.SKD"),
            json::parse(R"([["PuTTY sessions", "", "Hosts imported from )" + source + R"(", [
                ["Lab box", "connect 'lab:2323 /nossh'",
                 "Imported from )" +
                        source + R"(\r\nsession \"Lab box\"", []]]]])"));
}

// A source that cannot be read, or one with nothing to take, leaves the table as it was.
TEST_F(HostImportToolTest, NothingChangesWithoutHostsToTake) {
  write("t.json", R"({"nodes": [{"name": "Mine", "macro": "beep"}]})");
  ASSERT_EQ(run("build t.json t.SKD").status, 0);
  const std::string before = testing::ReadFileBytes(folder.file("t.SKD"));
  write("patterns", "Host *\n  User x\n");
  struct Case {
    std::string arguments;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {"import-hosts missing t.SKD", 1, "",
       "Cannot open file \"missing\". No such file or directory\n"},
      {"import-hosts putty t.SKD", 1, "",
       "No PuTTY sessions: there is no folder " + folder.file("home/.putty/sessions") + "\n"},
      {"import-hosts patterns t.SKD", 0,
       "0 hosts taken from OpenSSH's client configuration patterns\n"
       "skipped *: a pattern names no single host\n",
       ""},
      {"import-hosts patterns", 2, "",
       "usage: skeldertool import-hosts SOURCE TABLE [--folder DIR]\n"},
      {"import-hosts patterns t.SKD --merge", 2, "",
       "usage: skeldertool import-hosts SOURCE TABLE [--folder DIR]\n"},
  };
  for (const Case& c : cases) {
    const ToolRun import = run(c.arguments + " --folder tt");
    EXPECT_EQ(import.status, c.status) << c.arguments;
    EXPECT_EQ(import.out, c.out) << c.arguments;
    EXPECT_EQ(import.err, c.err) << c.arguments;
    EXPECT_EQ(testing::ReadFileBytes(folder.file("t.SKD")), before) << c.arguments;
  }
}

TEST_F(HostImportToolTest, ATableThatCannotBeReadIsLeftAsItWas) {
  write("home/.ssh/config", "Host web\n");
  write("bad.SKD", "not a table");
  const ToolRun import = run("import-hosts home/.ssh/config bad.SKD --folder tt");
  EXPECT_EQ(import.status, 1);
  EXPECT_EQ(import.out, "");
  EXPECT_NE(import.err, "");
  EXPECT_EQ(testing::ReadFileBytes(folder.file("bad.SKD")), "not a table");
}

}  // namespace
}  // namespace skelder
#endif
