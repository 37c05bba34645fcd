#include <gtest/gtest.h>

#include <filesystem>

#include "core/hosts/HostConnections.h"
#include "core/hosts/OpenSshConfig.h"
#include "core/hosts/PuttySessions.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "support/TempFolder.h"
#ifndef _WIN32
#include "platform/posix/PuttySessionFiles.h"
#endif

namespace skelder {

bool operator==(const ImportedHost& a, const ImportedHost& b) {
  return a.name == b.name && a.host == b.host && a.port == b.port && a.user == b.user &&
         a.keyFile == b.keyFile && a.protocol == b.protocol && a.origin == b.origin;
}
void PrintTo(const ImportedHost& h, std::ostream* out) {
  *out << "{" << h.name << ", " << h.host << ", " << h.port << ", " << h.user << ", " << h.keyFile
       << ", " << (h.protocol == HostProtocol::Ssh ? "ssh" : "telnet") << ", " << h.origin << "}";
}
void PrintTo(const SkippedHost& s, std::ostream* out) {
  *out << "{" << s.entry << ", " << s.reason << "}";
}

namespace testing {
namespace {

namespace fs = std::filesystem;
constexpr HostProtocol Ssh = HostProtocol::Ssh;
constexpr HostProtocol Telnet = HostProtocol::Telnet;

class OpenSshConfigTest : public ::testing::Test {
 protected:
  OpenSshConfigTest() : ssh(home.path() + "/.ssh/") { fs::create_directories(ssh + "conf.d"); }
  void write(const std::string& name, const std::string& text) { WriteFileBytes(ssh + name, text); }
  HostImportResult read() { return ReadOpenSshConfig(ssh + "config", home.path()); }

  TempFolder home;
  const std::string ssh;
};

// Defaults, the first value winning, patterns and negations, Match, quotes and "=".
TEST_F(OpenSshConfigTest, EachHostTakesTheFirstValuesOfTheLinesThatApplyToIt) {
  write("config",
        "# the user's hosts\n"
        "Compression yes\n"
        "Host plain\n"
        "\n"
        "Host web db\n"
        "  HostName %h.example.com\n"
        "  User deploy\n"
        "Host db\n"
        "  Port=2222\n"
        "  User someone-else\n"
        "Host *.internal !db\n"
        "  User ops\n"
        "Match host web exec \"true\"\n"
        "  Port 1\n"
        "  IdentityFile ~/.ssh/match\n"
        "HOST Keyed\n"
        "  identityfile \"~/.ssh/my key\"   # a comment\n"
        "  IdentityFile ~/.ssh/second\n"
        "Host bad-port\n"
        "  Port 70000\n"
        "Host * !plain\n"
        "  User fallback\n"
        "  IdentityFile %d/.ssh/id_%r@%h\n");
  const HostImportResult result = read();
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.source, "OpenSSH's client configuration " + ssh + "config");
  const std::string key = home.path() + "/.ssh/id_";
  EXPECT_EQ(result.hosts, (std::vector<ImportedHost>{
                              {"plain", "plain", 22, "", "", Ssh, "line 3: Host plain"},
                              {"web", "web.example.com", 22, "deploy",
                               key + "deploy@web.example.com", Ssh, "line 5: Host web db"},
                              {"db", "db.example.com", 2222, "deploy",
                               key + "deploy@db.example.com", Ssh, "line 5: Host web db"},
                              {"Keyed", "Keyed", 22, "fallback", home.path() + "/.ssh/my key", Ssh,
                               "line 16: HOST Keyed"},
                          }));
  EXPECT_EQ(result.skipped, (std::vector<SkippedHost>{
                                {"*.internal", "a pattern names no single host"},
                                {"!db", "a negated pattern names no host"},
                                {"Match host web exec \"true\"",
                                 "a Match block: its conditions are not evaluated (line 13)"},
                                {"*", "a pattern names no single host"},
                                {"!plain", "a negated pattern names no host"},
                                {"bad-port", "its port 70000 is no number from 1 to 65535"},
                            }));
}

// Include: relative to ~/.ssh, with wildcards, sorted, where it stands; inside a Host
// block the included lines belong to that block until their own Host line, and after
// the include the block goes on.
TEST_F(OpenSshConfigTest, IncludedFilesAreReadWhereTheIncludeStands) {
  write("config",
        "Include conf.d/*.conf missing.conf\n"
        "Host jump\n"
        "  Include jump-options\n"
        "  Port 2022\n"
        "Host *\n"
        "  User everyone\n");
  write("conf.d/b.conf", "Host beta\n  HostName 10.0.0.2\n");
  write("conf.d/a.conf", "Host alpha\n  User first\n");
  write("conf.d/a.txt", "Host not-included\n");
  write("jump-options", "User jumper\nPort 1022\nHost inner\n  HostName ::1\n");
  const HostImportResult result = read();
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(
      result.hosts,
      (std::vector<ImportedHost>{
          {"alpha", "alpha", 22, "first", "", Ssh, ssh + "conf.d/a.conf, line 1: Host alpha"},
          {"beta", "10.0.0.2", 22, "everyone", "", Ssh, ssh + "conf.d/b.conf, line 1: Host beta"},
          {"jump", "jump", 1022, "jumper", "", Ssh, "line 2: Host jump"},
          {"inner", "::1", 22, "everyone", "", Ssh, ssh + "jump-options, line 3: Host inner"},
      }));
  EXPECT_EQ(result.skipped, (std::vector<SkippedHost>{{"*", "a pattern names no single host"}}));
}

TEST_F(OpenSshConfigTest, AFileIncludingItselfIsReadOnce) {
  // Two includes of itself: without the check every level doubled the reads (2^16).
  write("config", "Host looped\nInclude config\nInclude ./other\n");
  write("other", "Host other\nInclude ../.ssh/config\n");
  const HostImportResult result = read();
  EXPECT_EQ(result.hosts,
            (std::vector<ImportedHost>{
                {"looped", "looped", 22, "", "", Ssh, "line 1: Host looped"},
                {"other", "other", 22, "", "", Ssh, ssh + "./other, line 1: Host other"},
            }));
  EXPECT_EQ(
      result.skipped,
      (std::vector<SkippedHost>{
          {"Include config (line 2)", "the file is already being read"},
          {"Include ../.ssh/config (" + ssh + "./other, line 2)", "the file is already being read"},
      }));
}

TEST_F(OpenSshConfigTest, AnIncludeChainEndsAtTheDepthLimit) {
  write("config", "Include c1\n");
  for (int n = 1; n <= 17; ++n)
    write("c" + std::to_string(n),
          "Host h" + std::to_string(n) + "\nInclude c" + std::to_string(n + 1) + "\n");
  const HostImportResult result = read();
  EXPECT_EQ(result.hosts.size(), 16u);  // c1 .. c16
  EXPECT_EQ(result.hosts.back().name, "h16");
  ASSERT_EQ(result.skipped.size(), 1u);
  EXPECT_EQ(result.skipped[0].entry, "Include c17 (" + ssh + "c16, line 2)");
  EXPECT_EQ(result.skipped[0].reason, "included more than 16 levels deep");
}

TEST_F(OpenSshConfigTest, AnUnclosedQuoteSkipsItsLine) {
  write("config", "Host a\n  User \"ann\nHost b\n");
  const HostImportResult result = read();
  EXPECT_EQ(result.hosts,
            (std::vector<ImportedHost>{{"a", "a", 22, "", "", Ssh, "line 1: Host a"},
                                       {"b", "b", 22, "", "", Ssh, "line 3: Host b"}}));
  EXPECT_EQ(result.skipped,
            (std::vector<SkippedHost>{{"line 2: User \"ann", "a quote is not closed"}}));
}

TEST_F(OpenSshConfigTest, AMissingFileGivesItsMessageAndNothingElse) {
  const HostImportResult result = read();
  EXPECT_EQ(result.error, "Cannot open file \"" + ssh + "config\". No such file or directory");
  EXPECT_TRUE(result.hosts.empty());
  EXPECT_TRUE(result.skipped.empty());
}

// Sessions as PuTTY keeps them on Linux (the registry's keys on Windows: tests/platform).
class PuttySessionsTest : public ::testing::Test {
 protected:
  struct Stored {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  const std::vector<Stored> stored = {
      {"Default%20Settings", {{"HostName", ""}, {"Protocol", "ssh"}, {"PortNumber", "22"}}},
      {"My%20server%2Fprod",
       {{"HostName", "server.example"},
        {"Protocol", "ssh"},
        {"PortNumber", "2200"},
        {"UserName", "ann"},
        {"PublicKeyFile", "C:\\keys\\my key.ppk"}}},
      {"at", {{"HostName", "root@10.0.0.9"}, {"Protocol", "ssh"}, {"PortNumber", "22"}}},
      {"box", {{"HostName", "box"}, {"Protocol", "telnet"}, {"PortNumber", "23"}}},
      {"nohost", {{"HostName", ""}, {"Protocol", "ssh"}, {"PortNumber", "22"}}},
      {"serial", {{"HostName", ""}, {"Protocol", "serial"}, {"SerialLine", "/dev/ttyS0"}}},
  };
  const std::vector<ImportedHost> hosts = {
      {"My server/prod", "server.example", 2200, "ann", "C:\\keys\\my key.ppk", Ssh,
       "session \"My server/prod\""},
      {"at", "10.0.0.9", 22, "root", "", Ssh, "session \"at\""},
      {"box", "box", 23, "", "", Telnet, "session \"box\""},
  };
  const std::vector<SkippedHost> skipped = {
      {"Default Settings", "PuTTY's settings for new sessions"},
      {"nohost", "it names no host"},
      {"serial", "a serial session: only SSH and telnet sessions are taken"},
  };
};

#ifndef _WIN32
TEST_F(PuttySessionsTest, FilesInTheSessionsFolder) {
  TempFolder home;
  const std::string folder = home.path() + "/.putty/sessions";
  fs::create_directories(folder);
  for (const Stored& session : stored) {
    std::string text;
    for (const auto& [key, value] : session.values) text += key + "=" + value + "\n";
    WriteFileBytes(folder + "/" + session.name, text);
  }
  const HostImportResult result = ReadPuttySessions(PuttySessionFiles(folder));
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.source, "PuTTY's saved sessions (" + folder + ")");
  EXPECT_EQ(result.hosts, hosts);
  EXPECT_EQ(result.skipped, skipped);

  const HostImportResult none = ReadPuttySessions(PuttySessionFiles(home.path() + "/missing"));
  EXPECT_EQ(none.error, "No PuTTY sessions: there is no folder " + home.path() + "/missing");
  EXPECT_TRUE(none.hosts.empty());
}
#endif

TEST(PercentDecoded, TwoHexDigitsMakeAByte) {
  EXPECT_EQ(PercentDecoded("My%20server%2fprod%25"), "My server/prod%");
  EXPECT_EQ(PercentDecoded("100%"), "100%");
  EXPECT_EQ(PercentDecoded("%zz%4"), "%zz%4");
}

TEST(HostMacro, TeraTermsCommandLineForEachKindOfHost) {
  struct Case {
    ImportedHost host;
    std::string macro;
  };
  const Case cases[] = {
      {{"a", "h.example", 22, "ann", "/home/ann/.ssh/id", Ssh, ""},
       "connect 'h.example:22 /ssh /2 /auth=publickey /user=ann /keyfile=/home/ann/.ssh/id'"},
      {{"a", "h", 2222, "ann", "", Ssh, ""},
       "connect 'h:2222 /ssh /2 /auth=password /user=ann /ask4passwd'"},
      {{"a", "h", 22, "", "", Ssh, ""}, "connect 'h:22 /ssh /2 /auth=password /ask4passwd'"},
      {{"a", "h", 22, "the admin", "C:\\my keys\\it's.ppk", Ssh, ""},
       "connect 'h:22 /ssh /2 /auth=publickey /user=\"the admin\" "
       "/keyfile=\"C:\\my keys\\it'#39's.ppk\"'"},
      {{"a", "fe80::1", 22, "", "", Ssh, ""},
       "connect '[fe80::1]:22 /ssh /2 /auth=password /ask4passwd'"},
      {{"a", "box", 23, "ann", "", Telnet, ""}, "connect 'box:23 /nossh'"},
  };
  for (const Case& c : cases) EXPECT_EQ(HostMacro(c.host), c.macro);
}

TEST(AddImportedHosts, AFolderOfConnectionsNamedAsAnImportNamesThem) {
  ConnectionTree tree;
  TreeNode* computer = ResetTree(tree);
  rVTNodeData existing;
  existing.Name = "OpenSSH config";
  tree.appendChild(computer, existing);
  HostImportResult result;
  result.source = "OpenSSH's client configuration /home/ann/.ssh/config";
  result.hosts = {{"web", "web.example", 22, "ann", "", Ssh, "line 1: Host web"},
                  {" web ", "web2", 22, "", "", Ssh, "line 4: Host web"},
                  {"a&b", "ab", 22, "", "", Ssh, "line 7: Host a&b"},
                  {"-dash", "d", 22, "", "", Ssh, "line 9: Host -dash"},
                  {"box", "box", 23, "", "", Telnet, "line 11: Host box"}};
  NewConnectionDefaults defaults;
  defaults.colors = "1:2:3";
  defaults.startLogging = true;
  EXPECT_EQ(AddImportedHosts(tree, "OpenSSH config", result, defaults, "Friday, 11-Dec-2026"), 3);
  EXPECT_EQ(result.taken, 3);
  EXPECT_EQ(result.skipped, (std::vector<SkippedHost>{
                                {"a&b", "a connection name cannot contain '&'"},
                                {"-dash", "a name beginning with \"-\" is a separator line"}}));

  ASSERT_EQ(computer->childCount(), 2);
  const TreeNode* folder = computer->child(1);
  EXPECT_EQ(folder->data.Name, "Copy of OpenSSH config");
  EXPECT_EQ(DecodeNodeText(folder->data.Macro), "");
  EXPECT_EQ(DecodeNodeText(folder->data.Popup),
            "Hosts imported from OpenSSH's client configuration /home/ann/.ssh/config");
  ASSERT_EQ(folder->childCount(), 3);
  const TreeNode* web = folder->child(0);
  EXPECT_EQ(web->data.Name, "web");
  EXPECT_EQ(DecodeNodeText(web->data.Macro),
            "connect 'web.example:22 /ssh /2 /auth=password /user=ann /ask4passwd'");
  EXPECT_EQ(DecodeNodeText(web->data.Popup),
            "Imported from OpenSSH's client configuration /home/ann/.ssh/config\r\n"
            "line 1: Host web");
  EXPECT_EQ(web->data.Colors, "1:2:3");
  EXPECT_EQ(web->data.StartLogging, 1);
  EXPECT_EQ(web->data.LastUpdated, "Friday, 11-Dec-2026");
  EXPECT_EQ(web->data.NodeKind, 2);
  EXPECT_EQ(folder->child(1)->data.Name, "Copy of web");
  EXPECT_EQ(DecodeNodeText(folder->child(2)->data.Macro), "connect 'box:23 /nossh'");

  // Nothing to take: nothing added.
  HostImportResult none;
  none.hosts = {{"&", "h", 22, "", "", Ssh, ""}};
  EXPECT_EQ(AddImportedHosts(tree, "PuTTY sessions", none, defaults, ""), 0);
  EXPECT_EQ(computer->childCount(), 2);
}

}  // namespace
}  // namespace testing
}  // namespace skelder
