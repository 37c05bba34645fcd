#include <gtest/gtest.h>

#include <filesystem>

#include "core/run/MacroRunner.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTeraTermIni = SKELDER_TESTDATA "/teraterm/TERATERM.INI";
const std::string kSeparator(1, PathSeparator());
const std::string kColorsA = "1:1:1:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";
const std::string kColorsB = "11:11:11:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";
const std::string kColorsC = "21:21:21:2:2:2:3:3:3:4:4:4:5:5:5:6:6:6:7:7:7:8:8:8";

// Windows forms of the paths, as winepath gives them for a Windows program.
class WindowsPaths : public ProgramPaths {
 public:
  std::vector<std::string> pathsFor(const std::string& program,
                                    const std::vector<std::string>& paths) override {
    programs.push_back(program);
    std::vector<std::string> forms;
    for (std::string path : paths) {
      for (char& c : path)
        if (c == '/') c = '\\';
      forms.push_back("Z:" + path);
    }
    return forms;
  }
  char separatorFor(const std::string&) override { return '\\'; }
  std::vector<std::string> programs;
};

class RecordingArranger : public WindowArranger {
 public:
  void minimizeAll() override { calls.push_back("minimize"); }
  void tileHorizontally() override { calls.push_back("tile"); }
  std::vector<std::string> calls;
};

rVTNodeData Connection(const std::string& name, const std::string& macro,
                       const std::string& colors = kColorsA) {
  rVTNodeData data;
  data.Name = name;
  data.Macro = EncodeNodeText(macro, true);
  data.Colors = colors;
  return data;
}

// A Tera Term folder (with a blank in its name) and the tree
// This computer > Site A > Web B ; This computer > Mail C.
class MacroRunnerTest : public ::testing::Test {
 protected:
  MacroRunnerTest()
      : program(folder.path() + kSeparator + "Tera Term" + kSeparator),
        temp(program + "Temp_TTL" + kSeparator),
        runner(RunServices{dialogs, starter, paths, windows, system, clock, program}) {
    fs::create_directory(program);
    WriteFileBytes(program + "ttermpro.exe", "MZ");
    WriteFileBytes(program + "teraterm.ini", ReadFileBytes(kTeraTermIni));
    TreeNode* computer = ResetTree(tree);
    a = tree.appendChild(computer,
                         Connection("Site A", "connect 'a'\r\nsendln '$user$'", kColorsA));
    b = tree.appendChild(a, Connection("Web B", "sendln 'b'\r\n$logit$", kColorsB));
    c = tree.appendChild(computer, Connection("Mail C", "sendln 'c'", kColorsC));
    tree.setFocusedNode(b);
    tree.clearSelection();
    inputs.editorText = "sendln 'b'\r\n$logit$";
  }
  std::string started(int n) const {
    const std::string number = std::to_string(n);
    return program + "ttermpro.exe| /F=\"" + temp + "~TTiniC" + number + ".ini\"  /M=\"" + temp +
           "~macroC" + number + ".ttl\"|";
  }
  std::string logLine(const std::string& stem) const {
    return "logopen '" + program + "Logs" + kSeparator + stem + "20260102030405.log' 0 0\r\n";
  }
  std::string vtColor(int n) const {
    const std::string ini = ReadFileBytes(temp + "~TTiniC" + std::to_string(n) + ".ini");
    const auto at = ini.find("\r\nVTColor=");
    return at == std::string::npos ? "" : ini.substr(at + 10, ini.find('\r', at + 2) - at - 10);
  }

  TempFolder folder;
  std::string program, temp;
  ScriptedDialogs dialogs;
  FakeStarter starter;
  ProgramPaths paths;
  RecordingArranger windows;
  FakeSystem system;
  FixedClock clock{LocalTime{2026, 1, 2, 3, 4, 5}};
  MacroRunner runner;
  ConnectionTree tree;
  TreeNode *a, *b, *c;
  RunInputs inputs;
};

TEST_F(MacroRunnerTest, ARunWritesThePairAndStartsTeraTermWithBoth) {
  EXPECT_TRUE(runner.RunFocused(RunCommand::RunBranch, tree, inputs));
  EXPECT_EQ(starter.started, (std::vector<std::string>{started(1)}));
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"),
            "connect 'a'\r\nsendln 'ann'\r\nsendln 'b'\r\n" + logLine("Site_A_Web_B_"));
  EXPECT_EQ(vtColor(1), "11,11,11,2,2,2");  // the focused node's colours
  EXPECT_TRUE(fs::is_directory(program + "Logs"));
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(runner.runCounter(), 2);
}

TEST_F(MacroRunnerTest, TheFourCommandsOnTheFocusedNode) {
  inputs.editorText = "one\r\ntwo\r\nthree $connection$\r\nfour\r\nfive";
  inputs.caretLine = 2;
  inputs.logSession = true;
  inputs.pendingEdits = true;
  struct Case {
    RunCommand command;
    std::string macro;
  };
  const Case cases[] = {
      {RunCommand::RunToCursor, "one\r\ntwo\r\nthree Web\r\n"},
      {RunCommand::Run, "one\r\ntwo\r\nthree Web\r\nfour\r\nfive\r\n" + logLine("Web_B_")},
      {RunCommand::RunBranchToCursor, "connect 'a'\r\nsendln 'ann'\r\none\r\ntwo\r\nthree Web\r\n"},
      {RunCommand::RunBranch,
       "connect 'a'\r\nsendln 'ann'\r\none\r\ntwo\r\nthree Web\r\nfour\r\n"
       "five\r\n" +
           logLine("Site_A_Web_B_")},
  };
  int n = 0;
  for (const Case& c : cases) {
    EXPECT_TRUE(runner.RunFocused(c.command, tree, inputs));
    EXPECT_EQ(ReadFileBytes(temp + "~macroC" + std::to_string(++n) + ".ttl"), c.macro) << n;
  }
  tree.setFocusedNode(nullptr);
  EXPECT_FALSE(runner.RunFocused(RunCommand::Run, tree, inputs));
  EXPECT_EQ(starter.started.size(), 4u);
}

TEST_F(MacroRunnerTest, PendingEditsRunTheEditorsTextWithThePagesColours) {
  inputs.pendingEdits = true;
  inputs.editorText = "edited";
  ParseColorString(kColorsC, inputs.workingColors);
  runner.RunFocused(RunCommand::Run, tree, inputs);
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"), "edited\r\n");
  EXPECT_EQ(vtColor(1), "21,21,21,2,2,2");
  inputs.pendingEdits = false;
  runner.RunFocused(RunCommand::Run, tree, inputs);
  EXPECT_EQ(ReadFileBytes(temp + "~macroC2.ttl"), "sendln 'b'\r\n" + logLine("Web_B_"));
  EXPECT_EQ(vtColor(2), "11,11,11,2,2,2");
}

TEST_F(MacroRunnerTest, TheRunNumbersCycleThroughOneTo128) {
  WriteFileBytes(program + "teraterm.ini", "[Tera Term]\r\n");
  for (int run = 1; run <= 129; ++run) runner.RunMacro(true, false, "", *c, tree, inputs);
  ASSERT_EQ(starter.started.size(), 129u);
  EXPECT_EQ(starter.started[0], started(1));
  EXPECT_EQ(starter.started[127], started(128));
  EXPECT_EQ(starter.started[128], started(1));
  EXPECT_EQ(runner.runCounter(), 2);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(temp)) files += entry.is_regular_file();
  EXPECT_EQ(files, 256);
}

TEST_F(MacroRunnerTest, AWindowsTeraTermIsGivenWindowsPaths) {
  WindowsPaths windowsPaths;
  MacroRunner wine(RunServices{dialogs, starter, windowsPaths, windows, system, clock, program});
  tree.setFocusedNode(c);
  c->data.Macro = EncodeNodeText("x $TTDIR$|$LOGDIR$|$WINDIR$|$LOGFILENAME$", true);
  inputs.logSession = true;
  wine.RunFocused(RunCommand::Run, tree, inputs);
  std::string windowsTemp = "Z:" + temp;
  std::string windowsProgram = "Z:" + program;
  for (std::string* path : {&windowsTemp, &windowsProgram})
    for (char& ch : *path)
      if (ch == '/') ch = '\\';
  EXPECT_EQ(starter.started,
            (std::vector<std::string>{program + "ttermpro.exe| /F=\"" + windowsTemp +
                                      "~TTiniC1.ini\"  /M=\"" + windowsTemp + "~macroC1.ttl\"|"}));
  EXPECT_EQ(windowsPaths.programs, (std::vector<std::string>{program + "ttermpro.exe"}));
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"),
            "x " + windowsProgram + "|" + windowsProgram + "Logs\\|Z:C:\\Windows\\|" +
                windowsProgram + "Logs\\Mail_C_20260102030405.log\r\nlogopen '" + windowsProgram +
                "Logs\\Mail_C_20260102030405.log' 0 0\r\n");
}

TEST_F(MacroRunnerTest, AnExportWritesTheMacroAloneAndTakesNoNumber) {
  inputs.logSession = true;
  EXPECT_TRUE(runner.RunMacro(true, true, folder.file("out.ttl"), *b, tree, inputs));
  EXPECT_EQ(ReadFileBytes(folder.file("out.ttl")),
            "connect 'a'\r\nsendln 'ann'\r\nsendln 'b'\r\nlogopen 'Site_A_Web_B_.log' 0 0\r\n");
  EXPECT_TRUE(starter.started.empty());
  EXPECT_EQ(runner.runCounter(), 1);
  EXPECT_FALSE(fs::exists(temp + "~TTiniC1.ini"));
}

TEST_F(MacroRunnerTest, WithoutTeraTermNothingIsWritten) {
  fs::remove(program + "ttermpro.exe");
  const RecordedBox missing =
      ErrorBox("TTERMPRO.EXE not found.\rPlease move Skelderc" + std::string(ExecutableSuffix()) +
               " into TeraTerm directory.");
  EXPECT_FALSE(runner.RunFocused(RunCommand::Run, tree, inputs));
  EXPECT_FALSE(runner.RunMacro(true, false, folder.file("out.ttl"), *b, tree, inputs));
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{missing, missing}));
  EXPECT_FALSE(fs::exists(folder.file("out.ttl")));
  EXPECT_FALSE(fs::exists(program + "Logs"));
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(MacroRunnerTest, WithoutTheTemporaryFolderARunStopsButAnExportGoesOn) {
  WriteFileBytes(program + "Temp_TTL", "a file in the way");
  const RecordedBox cannot = ErrorBox("Cannot create directory" + program + "Temp_TTL");
  EXPECT_FALSE(runner.RunFocused(RunCommand::Run, tree, inputs));
  EXPECT_EQ(
      dialogs.boxes(),
      (std::vector<RecordedBox>{
          cannot, ErrorBox("Failed to create Temp_TTL directory. Cannot execute the macro.")}));
  EXPECT_TRUE(starter.started.empty());
  EXPECT_EQ(runner.runCounter(), 1);

  dialogs.clear();
  EXPECT_TRUE(runner.RunMacro(true, false, folder.file("out.ttl"), *b, tree, inputs));
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{cannot}));
  EXPECT_EQ(ReadFileBytes(folder.file("out.ttl")), "sendln 'b'\r\nlogopen 'Web_B_.log' 0 0\r\n");
}

TEST_F(MacroRunnerTest, WithoutTheLogsFolderTheRunGoesOnWithTheSeparatorAlone) {
  WriteFileBytes(program + "Logs", "a file in the way");
  EXPECT_TRUE(runner.RunFocused(RunCommand::Run, tree, inputs));
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{ErrorBox("Cannot create directory" + program + "Logs")}));
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"), "sendln 'b'\r\nlogopen '" +
                                                      std::string(1, PathSeparator()) +
                                                      "Web_B_20260102030405.log' 0 0\r\n");
  EXPECT_EQ(starter.started, (std::vector<std::string>{started(1)}));
}

TEST_F(MacroRunnerTest, FileErrorsStopTheRunBeforeTeraTermStarts) {
  fs::remove(program + "teraterm.ini");
  EXPECT_FALSE(runner.RunFocused(RunCommand::Run, tree, inputs));
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{ErrorBox("Cannot open file \"" + program +
                                               "teraterm.ini\". No such file or directory")}));
  EXPECT_FALSE(fs::exists(temp + "~macroC1.ttl"));
  EXPECT_TRUE(starter.started.empty());

  dialogs.clear();
  const std::string out = folder.file("missing folder") + kSeparator + "out.ttl";
  EXPECT_FALSE(runner.RunMacro(true, false, out, *b, tree, inputs));
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{ErrorBox("Cannot create file \"" + out +
                                                                "\". No such file or directory")}));
}

TEST_F(MacroRunnerTest, VariablesAreAskedThroughTheInputBox) {
  c->data.Macro = EncodeNodeText("user $[1]\r\npassword $[2]", true);
  dialogs.answer("text:secret");
  dialogs.answer("cancel");
  runner.RunMacro(true, false, "", *c, tree, inputs);
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"), "user \r\npassword secret\r\n");
  inputs.askVariable = [](const std::string& keyword) { return "given " + keyword; };
  runner.RunMacro(true, false, "", *c, tree, inputs);
  EXPECT_EQ(ReadFileBytes(temp + "~macroC2.ttl"), "user given $[1]\r\npassword given $[2]\r\n");
  EXPECT_EQ(dialogs.boxes().size(), 2u);
}

// The text comes before any folder is made and without a box; the run that follows
// writes the same bytes, with the Logs folder it made or, with a file in the way, the
// separator alone.
TEST_F(MacroRunnerTest, MacroTextIsWhatARunWouldWriteWithoutMakingAnything) {
  const std::string branch = "connect 'a'\r\nsendln 'ann'\r\nsendln 'b'\r\n";
  const std::string blocked =
      branch + "logopen '" + kSeparator + "Site_A_Web_B_20260102030405.log' 0 0\r\n";
  struct Case {
    bool fileInTheWay;
    std::string text;
    std::vector<RecordedBox> runBoxes;
  };
  const Case cases[] = {
      {false, branch + logLine("Site_A_Web_B_"), {}},
      {true, blocked, {ErrorBox("Cannot create directory" + program + "Logs")}},
  };
  for (const Case& c : cases) {
    std::error_code ec;
    fs::remove_all(program + "Logs", ec);
    fs::remove_all(temp, ec);
    if (c.fileInTheWay) WriteFileBytes(program + "Logs", "a file in the way");
    dialogs.clear();
    EXPECT_EQ(runner.MacroText(true, true, *b, inputs), c.text) << c.fileInTheWay;
    EXPECT_EQ(runner.MacroText(false, false, *b, inputs), "sendln 'b'\r\n");  // to line 1
    EXPECT_EQ(fs::is_regular_file(program + "Logs"), c.fileInTheWay);
    EXPECT_EQ(fs::exists(program + "Logs"), c.fileInTheWay);
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(dialogs.boxes().empty());

    EXPECT_TRUE(runner.RunMacro(true, true, "", *b, tree, inputs));
    EXPECT_EQ(dialogs.boxes(), c.runBoxes);
    const std::string number = std::to_string(runner.runCounter() - 1);
    EXPECT_EQ(ReadFileBytes(temp + "~macroC" + number + ".ttl"), c.text);
    starter.started.clear();
  }
}

// Every selected node in display order, each with its own colours and logging.
TEST_F(MacroRunnerTest, ABatchRunsEverySelectedNodeWithItsOwnSettings) {
  for (TreeNode* node : {c, b, a}) tree.setSelected(node, true);
  c->data.StartLogging = 1;
  inputs.logSession = false;  // the page shows the focused node, which is not the batch's
  inputs.terminal.doNotPrompt = true;
  std::vector<bool> batchFlags;
  EXPECT_EQ(
      runner.RunAllSelected(tree, inputs, [&] { batchFlags.push_back(runner.batchRunning()); }), 3);
  EXPECT_EQ(starter.started, (std::vector<std::string>{started(1), started(2), started(3)}));
  EXPECT_EQ(batchFlags, (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(runner.batchRunning());
  EXPECT_EQ((std::vector<std::string>{vtColor(1), vtColor(2), vtColor(3)}),
            (std::vector<std::string>{"1,1,1,2,2,2", "11,11,11,2,2,2", "21,21,21,2,2,2"}));
  EXPECT_EQ(ReadFileBytes(temp + "~macroC1.ttl"), "connect 'a'\r\nsendln 'ann'\r\n");
  EXPECT_EQ(ReadFileBytes(temp + "~macroC2.ttl"),
            "connect 'a'\r\nsendln 'ann'\r\nsendln 'b'\r\n" + logLine("Site_A_Web_B_"));
  EXPECT_EQ(ReadFileBytes(temp + "~macroC3.ttl"), "sendln 'c'\r\n" + logLine("Mail_C_"));
  EXPECT_NE(ReadFileBytes(temp + "~TTiniC3.ini").find("\r\nConfirmDisconnect=Off\r\n"),
            std::string::npos);
  EXPECT_EQ(windows.calls, (std::vector<std::string>{"minimize", "tile"}));

  // A single run afterwards is no batch again.
  runner.RunFocused(RunCommand::Run, tree, inputs);
  EXPECT_NE(ReadFileBytes(temp + "~TTiniC4.ini").find("\r\nConfirmDisconnect=on\r\n"),
            std::string::npos);
}

TEST_F(MacroRunnerTest, ABatchSkipsNodesDeletedWhileItWaits) {
  for (TreeNode* node : {a, b, c}) tree.setSelected(node, true);
  inputs.doNotTile = true;
  int waits = 0;
  const int runs = runner.RunAllSelected(tree, inputs, [&] {
    if (++waits == 1) {
      tree.deleteNodes({c});
      EXPECT_EQ(runner.RunAllSelected(tree, inputs, [] {}), 0);  // one batch at a time
    }
  });
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(starter.started, (std::vector<std::string>{started(1), started(2)}));
  EXPECT_EQ(waits, 2);
  EXPECT_TRUE(windows.calls.empty());
}

TEST_F(MacroRunnerTest, ABatchOfMoreThan128IsRefused) {
  for (int i = 0; i < 128; ++i) tree.setSelected(tree.appendChild(c, Connection("n", "x")), true);
  tree.setSelected(c, true);
  int waits = 0;
  EXPECT_EQ(runner.RunAllSelected(tree, inputs, [&] { ++waits; }), 0);
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{InformationBox(
                                 "You can not run more than 128 connections at the same time.")}));
  EXPECT_EQ(waits, 0);
  EXPECT_TRUE(starter.started.empty());
  EXPECT_TRUE(windows.calls.empty());
}

TEST_F(MacroRunnerTest, TheKeywordHintUsesTheRunsValues) {
  EXPECT_EQ(runner.KeywordHint("$TTDIR$", b, {}), program);
  EXPECT_EQ(runner.KeywordHint("$parent$", b, {}), "Site");
  UserData user;
  user.name = "Ann";
  EXPECT_EQ(runner.KeywordHint("$name$", b, user), "Ann");
  EXPECT_FALSE(fs::exists(program + "Logs"));
  EXPECT_EQ(runner.KeywordHint("$LOGDIR$", b, {}), program + "Logs" + kSeparator);
  EXPECT_TRUE(fs::is_directory(program + "Logs"));
}

}  // namespace
}  // namespace skelder::testing
