// Runs from the command line: skeldertool in a Tera Term folder of its own (with blanks in
// its path), the demo's stand-in terminal recording what it was started with.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "platform/posix/FileSettingsStore.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

const std::string kColorsA = "1:1:1:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";
const std::string kColorsB = "11:11:11:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";
const std::string kColorsC = "21:21:21:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";

struct ToolResult {
  int status = -1;
  std::string out, err;
};

rVTNodeData Connection(const std::string& name, const std::string& macro, const std::string& colors,
                       bool logging = false) {
  rVTNodeData data;
  data.Name = name;
  data.Macro = EncodeNodeText(macro, true);
  data.Colors = colors;
  data.StartLogging = logging;
  return data;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The table  Site A > Web B ;  Mail C  and the user's settings.
class RunToolTest : public ::testing::Test {
 protected:
  RunToolTest()
      : program(root.file("Tera Term folder")),
        temp(program + "/Temp_TTL/"),
        table(root.file("My table.SKD")),
        log(root.file("stand-in log")) {
    const fs::path demo = SKELDER_DEMO_DIR;
    fs::create_directories(program);
    fs::create_directories(log);
    fs::copy_file(demo / "skeldertool", program + "/skeldertool");
    fs::copy_file(demo / "ttermpro.exe", program + "/ttermpro.exe");
    fs::copy_file(SKELDER_TESTDATA "/teraterm/TERATERM.INI", program + "/teraterm.ini");

    ConnectionTree tree;
    TreeNode* computer = ResetTree(tree);
    TreeNode* a = tree.appendChild(
        computer, Connection("Site A", "connect 'a'\r\nsendln '$name$'", kColorsA));
    tree.appendChild(a, Connection("Web B", "  sendln 'b $[1]'\r\n$logit$", kColorsB));
    tree.appendChild(computer, Connection("Mail C", "sendln 'c'", kColorsC));
    ScriptedDialogs dialogs;
    FakeSystem system;
    TableFileHost host;
    TableFileContext context{tree, dialogs, system, host};
    EXPECT_TRUE(WriteTable(context, table, true));

    FileSettingsStore store(root.file("cfg/Vantrell Solutions/Skelder.reg"));
    auto key = store.openKey(kSettingsKeyPath, true);
    key->writeString("VarName", "Ann Smith");
    key->writeInteger("DoNotPrompt", 1);
  }

  ToolResult tool(const std::vector<std::string>& arguments, const std::string& input = "",
                  const std::string& path = "") {
    std::vector<std::string> args = {program + "/skeldertool"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    WriteFileBytes(root.file("stdin"), input);
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("XDG_CONFIG_HOME", root.file("cfg").c_str(), 1);
      setenv("SKELDER_STANDIN_LOG", log.c_str(), 1);
      if (!path.empty()) setenv("PATH", (path + ":" + getenv("PATH")).c_str(), 1);
      dup2(open(root.file("stdin").c_str(), O_RDONLY), 0);
      dup2(open(root.file("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
      dup2(open(root.file("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    int raw = 0;
    waitpid(pid, &raw, 0);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(root.file("stdout")),
            ReadFileBytes(root.file("stderr"))};
  }

  // The lines the stand-in (or the fake wine) wrote, once there are that many.
  std::vector<std::string> logLines(std::size_t count, const std::string& name = "arguments.log") {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::vector<std::string> lines;
    do {
      std::error_code ec;
      if (fs::exists(log + "/" + name, ec)) lines = LinesOf(ReadFileBytes(log + "/" + name));
      if (lines.size() >= count) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return lines;
  }
  std::string arguments(int n) const {
    const std::string number = std::to_string(n);
    return "/F=" + temp + "~TTiniC" + number + ".ini|/M=" + temp + "~macroC" + number + ".ttl";
  }
  // A key's line in a settings file the stand-in received.
  std::string received(const std::string& file, const std::string& key) const {
    for (const std::string& line : LinesOf(ReadFileBytes(log + "/" + file)))
      if (line.compare(0, key.size() + 1, key + "=") == 0) return line;
    return "(no " + key + ")";
  }

  TempFolder root;
  std::string program, temp, table, log;
};

TEST_F(RunToolTest, TheFirstRunGivesTheStandInThePairInTempTTL) {
  const ToolResult run = tool({"run", table, "/Site A/Web B", "--branch", "--var", "1=one two"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(logLines(1), (std::vector<std::string>{arguments(1)}));
  EXPECT_EQ(ReadFileBytes(log + "/~macroC1.ttl"),
            ReadFileBytes(temp + "~macroC1.ttl"));  // the stand-in ran after both were written
  const std::string macro = ReadFileBytes(temp + "~macroC1.ttl");
  EXPECT_EQ(macro.substr(0, macro.rfind("logopen")),
            "connect 'a'\r\nsendln 'Ann Smith'\r\nsendln 'b one two'\r\n");
  // The log line, with the time stamp of the run.
  const std::string logLine = macro.substr(macro.rfind("logopen"));
  const std::string stem = "logopen '" + program + "/Logs/Site_A_Web_B_";
  EXPECT_EQ(logLine.substr(0, stem.size()), stem);
  EXPECT_EQ(logLine.substr(stem.size() + 14), ".log' 0 0\r\n");
  EXPECT_EQ(logLine.substr(stem.size(), 14).find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(received("~TTiniC1.ini", "VTColor"), "VTColor=11,11,11,2,2,2\r");
  EXPECT_EQ(received("~TTiniC1.ini", "BGEnable"), "BGEnable=off\r");
  EXPECT_EQ(received("~TTiniC1.ini", "ConfirmDisconnect"), "ConfirmDisconnect=on\r");
}

TEST_F(RunToolTest, The129thRunOfAProcessReusesNumberOne) {
  const ToolResult run = tool({"run", table, "/Mail C", "--count", "129"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = logLines(129);
  ASSERT_EQ(lines.size(), 129u);
  std::multiset<std::string> started(lines.begin(), lines.end());
  for (int n = 1; n <= 128; ++n) EXPECT_EQ(started.count(arguments(n)), n == 1 ? 2u : 1u) << n;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(temp)) files += entry.is_regular_file();
  EXPECT_EQ(files, 256);
}

TEST_F(RunToolTest, ABatchOfThreeStartsEachWithItsOwnColours) {
  const ToolResult run =
      tool({"run", table, "/Mail C", "/Site A/Web B", "/Site A", "--delay", "0", "--var", "1=x"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = logLines(3);
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()),
            (std::set<std::string>{arguments(1), arguments(2), arguments(3)}));
  // Display order: Site A, Web B, Mail C.
  const std::pair<int, std::string> colours[] = {
      {1, "1,1,1,2,2,2"}, {2, "11,11,11,2,2,2"}, {3, "21,21,21,2,2,2"}};
  for (const auto& [n, vt] : colours) {
    const std::string file = "~TTiniC" + std::to_string(n) + ".ini";
    EXPECT_EQ(received(file, "VTColor"), "VTColor=" + vt + "\r") << n;
    EXPECT_EQ(received(file, "ConfirmDisconnect"), "ConfirmDisconnect=Off\r") << n;
  }
  EXPECT_EQ(ReadFileBytes(log + "/~macroC1.ttl"), "connect 'a'\r\nsendln 'Ann Smith'\r\n");
  EXPECT_EQ(ReadFileBytes(log + "/~macroC3.ttl"), "sendln 'c'\r\n");
}

TEST_F(RunToolTest, AWindowsTeraTermRunsThroughWineWithWindowsPaths) {
  // A PE header is all it takes to be a Windows executable.
  std::string pe(0x48, '\0');
  pe[0] = 'M', pe[1] = 'Z', pe[0x3c] = 0x40;
  pe.replace(0x40, 4, std::string("PE\0\0", 4));
  WriteFileBytes(program + "/ttermpro.exe", pe);
  const std::string bin = root.file("bin");
  fs::create_directory(bin);
  WriteFileBytes(bin + "/winepath",
                 "#!/bin/sh\n[ \"$1\" = -w ] && shift\n"
                 "for p; do printf 'Z:%s\\n' \"$p\" | tr / '\\\\'; done\n");
  WriteFileBytes(
      bin + "/wine",
      "#!/bin/sh\n(IFS='|'; printf '%s\\n' \"$*\") >> \"$SKELDER_STANDIN_LOG/wine.log\"\n");
  fs::permissions(bin + "/winepath", fs::perms::owner_all);
  fs::permissions(bin + "/wine", fs::perms::owner_all);

  const ToolResult run = tool({"run", table, "/Mail C"}, "", bin);
  EXPECT_EQ(run.status, 0) << run.err;
  std::string windowsTemp = "Z:" + temp;
  for (char& c : windowsTemp)
    if (c == '/') c = '\\';
  EXPECT_EQ(logLines(1, "wine.log"),
            (std::vector<std::string>{program + "/ttermpro.exe|/F=" + windowsTemp +
                                      "~TTiniC1.ini|/M=" + windowsTemp + "~macroC1.ttl"}));
}

TEST_F(RunToolTest, MacroPrintsOrExportsWhatARunWouldExecute) {
  ToolResult macro = tool({"macro", table, "/Site A/Web B", "--to-line", "1", "--var", "1=v"});
  EXPECT_EQ(macro.status, 0) << macro.err;
  EXPECT_EQ(macro.out, "sendln 'b v'\r\n");

  macro = tool({"macro", table, "/Site A/Web B", "--branch"}, "typed\n");
  EXPECT_EQ(macro.status, 0) << macro.err;
  EXPECT_EQ(macro.err, "Value of $[1] required\nEnter the value of variable $[1]: ");
  EXPECT_EQ(macro.out.substr(0, macro.out.find("logopen")),
            "connect 'a'\r\nsendln 'Ann Smith'\r\nsendln 'b typed'\r\n");
  // Printing makes no folder: the log line names the one a run will make.
  const std::string logLine = macro.out.substr(macro.out.find("logopen"));
  EXPECT_EQ(logLine.rfind("logopen '" + program + "/Logs/Site_A_Web_B_", 0), 0u) << logLine;
  EXPECT_FALSE(fs::exists(program + "/Logs"));

  const std::string exported = root.file("out.ttl");
  macro = tool({"macro", table, "/Site A/Web B", "--branch", "--export", exported}, "");
  EXPECT_EQ(macro.status, 0) << macro.err;
  EXPECT_EQ(macro.out, "");
  EXPECT_EQ(
      ReadFileBytes(exported),
      "connect 'a'\r\nsendln 'Ann Smith'\r\nsendln 'b '\r\nlogopen 'Site_A_Web_B_.log' 0 0\r\n");
  EXPECT_FALSE(fs::exists(temp + "~macroC1.ttl"));
  EXPECT_EQ(logLines(0), (std::vector<std::string>{}));
}

TEST_F(RunToolTest, FailuresNameTheirReason) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string err;
  };
  const Case cases[] = {
      {{"run", table, "/Site A/Nope"}, 1, "No connection \"/Site A/Nope\" in " + table + "\n"},
      {{"run", table, "/"}, 1, "\"/\" is not a connection\n"},
      {{"macro", table, "/Site A", "--var", "9=x"}, 2, "--var takes N=VALUE with N from 1 to 8\n"},
      {{"macro", table, "/Site A", "--to-line", "0"}, 2, "--to-line takes a whole number from 1\n"},
      {{"run", table, "/Site A", "--export", "x"}, 2, "unknown option --export\n"},
  };
  for (const Case& c : cases) {
    const ToolResult result = tool(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments.back();
    EXPECT_EQ(result.err.substr(0, c.err.size()), c.err) << c.arguments.back();
  }
  fs::remove(program + "/ttermpro.exe");
  const ToolResult missing = tool({"run", table, "/Mail C"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err,
            "TTERMPRO.EXE not found.\nPlease move Skelderc into TeraTerm directory.\n");
  EXPECT_FALSE(fs::exists(temp));
}

}  // namespace
}  // namespace skelder::testing
