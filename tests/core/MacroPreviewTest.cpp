// The preview of a connection: the macros "Run" and "Run branch" would execute, with the
// run-time variables left in place and listed, built without making or asking anything.
#include "core/run/MacroPreview.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

rVTNodeData Connection(const std::string& name, const std::string& macro, int level) {
  rVTNodeData data;
  data.Name = name;
  data.Macro = EncodeNodeText(macro, true);
  data.Level = level;
  return data;
}

// This computer > Site A > Web B > Host C ;  This computer > Empty > Mail D.
class MacroPreviewTest : public ::testing::Test {
 protected:
  MacroPreviewTest()
      : program(folder.path() + std::string(1, PathSeparator())),
        runner(RunServices{dialogs, starter, paths, windows, system, clock, program}) {
    TreeNode* computer = ResetTree(tree);
    a = tree.appendChild(computer, Connection("Site A", "connect '$CONNECTION$'\r\n$[2]", 1));
    b = tree.appendChild(a, Connection("Web B", "sendln '$user$ $parent$'", 2));
    c = tree.appendChild(b, Connection("Host C", "sendln '$[3] $[1]'\r\n$logit$", 3));
    empty = tree.appendChild(computer, Connection("Empty", "", 1));
    d = tree.appendChild(empty, Connection("Mail D", "sendln 'd'", 2));
  }
  std::string logLine(const std::string& stem) const {
    return "logopen '" + program + "Logs" + PathSeparator() + stem + "20260102030405.log' 0 0\r\n";
  }

  TempFolder folder;
  std::string program;
  ScriptedDialogs dialogs;
  FakeStarter starter;
  ProgramPaths paths;
  WindowArranger windows;
  FakeSystem system;
  FixedClock clock{LocalTime{2026, 1, 2, 3, 4, 5}};
  MacroRunner runner;
  ConnectionTree tree;
  TreeNode *a, *b, *c, *empty, *d;
  RunInputs inputs;
};

TEST_F(MacroPreviewTest, TheRunAndTheBranchWithTheirKeywordsAndLogLines) {
  const MacroPreview preview = PreviewMacro(runner, *c, inputs);
  EXPECT_EQ(preview.run, "sendln '$[3] $[1]'\r\n" + logLine("Host_C_"));
  EXPECT_TRUE(preview.branchOffered);
  const std::string branch =
      "connect 'Site A'\r\n$[2]\r\nsendln 'ann Site'\r\nsendln '$[3] $[1]'\r\n" +
      logLine("Site_A_Web_B_Host_C_");
  EXPECT_EQ(preview.branch, branch);
  EXPECT_EQ(preview.variables, (std::vector<std::string>{"$[1]", "$[2]", "$[3]"}));
  EXPECT_EQ(VariablesNote(preview.variables), "Asked at run time: $[1], $[2], $[3]");
  EXPECT_EQ(preview.text(), preview.run + "; ---------- Run branch ----------\r\n" + branch);
  // Nothing was asked, made or started.
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_TRUE(fs::is_empty(folder.path()));
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(MacroPreviewTest, TheBranchIsShownOnlyWhereRunBranchIsOffered) {
  struct Case {
    const char* name;
    TreeNode* node;
    bool branch;
  };
  // A top-level connection has no branch; one below ancestors without macros neither.
  for (const Case& k : {Case{"Site A", a, false}, Case{"Web B", b, true}, Case{"Mail D", d, false},
                        Case{"Empty", empty, false}}) {
    const MacroPreview preview = PreviewMacro(runner, *k.node, inputs);
    EXPECT_EQ(preview.branchOffered, k.branch) << k.name;
    EXPECT_EQ(preview.text(),
              k.branch ? preview.run + kBranchHeading + preview.branch : preview.run)
        << k.name;
    if (!k.branch) {
      EXPECT_EQ(preview.branch, "") << k.name;
    }
  }
  EXPECT_EQ(PreviewMacro(runner, *d, inputs).text(), "sendln 'd'\r\n");
  EXPECT_TRUE(PreviewMacro(runner, *d, inputs).variables.empty());
  EXPECT_EQ(VariablesNote({}), "");
}

// The editor's unapplied text and the logging box as ticked now; the ancestors' stored
// macros.
TEST_F(MacroPreviewTest, PendingEditsAndTheLoggingBoxAreWhatTheRunTakes) {
  tree.setFocusedNode(b);
  inputs.pendingEdits = true;
  inputs.editorText = "  edited $[4]  \r\n";
  inputs.logSession = true;
  const MacroPreview preview = PreviewMacro(runner, *b, inputs);
  EXPECT_EQ(preview.run, "edited $[4]\r\n" + logLine("Web_B_"));
  EXPECT_EQ(preview.branch,
            "connect 'Site A'\r\n$[2]\r\nedited $[4]\r\n" + logLine("Site_A_Web_B_"));
  EXPECT_EQ(preview.variables, (std::vector<std::string>{"$[2]", "$[4]"}));
  inputs.logSession = false;
  inputs.editorText = "plain";
  EXPECT_EQ(PreviewMacro(runner, *b, inputs).run, "plain\r\n");
}

}  // namespace
}  // namespace skelder::testing
