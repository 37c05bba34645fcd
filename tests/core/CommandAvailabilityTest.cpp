#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/app/CommandAvailability.h"
#include "core/tree/NodeKinds.h"

namespace skelder::testing {

namespace {

class CommandAvailabilityTest : public ::testing::Test {
 protected:
  CommandAvailabilityTest() {
    BuildTree(tree, "Top(Child),Sep,Other");
    top = Find(tree, "Top");
    child = Find(tree, "Child");
    separator = Find(tree, "Sep");
    separator->data.Name = SeparatorText;
    for (TreeNode* node = tree.first(); node; node = tree.next(node)) tree.initNode(node);
    state.tree = &tree;
    state.focus = FocusKind::Tree;
    state.macroText = "connect 'x'";
  }
  void focus(std::vector<TreeNode*> nodes) {
    tree.clearSelection();
    for (TreeNode* node : nodes) tree.setSelected(node, true);
    tree.setFocusedNode(nodes.empty() ? nullptr : nodes.back());
  }
  CommandStates compute() {
    CommandStates states;
    EXPECT_TRUE(ComputeCommandStates(state, states));
    return states;
  }

  ConnectionTree tree;
  TreeNode* other() { return Find(tree, "Other"); }
  TreeNode *top, *child, *separator;
  WindowState state;
};

}  // namespace

TEST_F(CommandAvailabilityTest, WithTheTreeFocusedAndNoFocusedNodeNothingChanges) {
  focus({});
  CommandStates states;
  states.newTable = true;
  states.run = true;
  EXPECT_FALSE(ComputeCommandStates(state, states));
  EXPECT_TRUE(states.newTable);
  EXPECT_TRUE(states.run);
}

TEST_F(CommandAvailabilityTest, RunAndRunBranchFollowTheLevelAndTheAncestorsMacros) {
  focus({top});
  CommandStates s = compute();
  EXPECT_TRUE(s.run);
  EXPECT_FALSE(s.runBranch);
  EXPECT_FALSE(s.runToCursor);

  focus({child});
  EXPECT_FALSE(compute().runBranch);  // the parent's stored macro is empty
  top->data.Macro = "  ";             // a stored macro of blanks counts as empty
  EXPECT_FALSE(compute().runBranch);
  top->data.Macro = "connect";
  EXPECT_TRUE(compute().runBranch);
  state.focus = FocusKind::MacroEditor;
  s = compute();
  EXPECT_TRUE(s.runToCursor);
  EXPECT_TRUE(s.runBranchToCursor);

  state.macroText = " \r\n";
  s = compute();
  EXPECT_FALSE(s.run);
  EXPECT_FALSE(s.runBranch);
}

TEST_F(CommandAvailabilityTest, ASeparatorCanHaveASiblingButNoChildAndIsNotRun) {
  focus({separator});
  const CommandStates s = compute();
  EXPECT_FALSE(s.run);
  EXPECT_FALSE(s.addChild);
  EXPECT_TRUE(s.addSibling);
  EXPECT_TRUE(s.moveUp);
  EXPECT_TRUE(s.moveDown);
}

TEST_F(CommandAvailabilityTest, TheComputerNodeInTheSelectionBlocksDeleteAndTheBatch) {
  top->data.Macro = other()->data.Macro = "m";
  focus({tree.computerNode(), top});
  CommandStates s = compute();
  EXPECT_FALSE(s.deleteSelected);
  EXPECT_FALSE(s.runAllSelected);
  focus({top, other()});
  s = compute();
  EXPECT_TRUE(s.deleteSelected);
  EXPECT_TRUE(s.runAllSelected);
  state.pendingEdits = true;
  EXPECT_FALSE(compute().runAllSelected);
}

TEST_F(CommandAvailabilityTest, AnEmptyUnnamedTableOffersNeitherNewNorSaveAs) {
  ConnectionTree empty;
  ResetTree(empty);
  state.tree = &empty;
  const CommandStates s = compute();
  EXPECT_FALSE(s.newTable);
  EXPECT_FALSE(s.saveAs);
  EXPECT_FALSE(s.save);
  state.tree = &tree;
  focus({top});
  EXPECT_TRUE(compute().newTable);
}

TEST_F(CommandAvailabilityTest, UndoAndCopyFollowTheFocusedControl) {
  focus({top});
  struct Case {
    FocusKind focus;
    bool canUndo, hasSelection, undo, copy;
  } cases[] = {
      {FocusKind::Tree, true, false, false, true},
      {FocusKind::MacroEditor, false, false, false, false},
      {FocusKind::MacroEditor, true, true, true, true},
      {FocusKind::SingleLineField, true, false, true, false},
      {FocusKind::None, true, true, false, false},
  };
  for (const auto& c : cases) {
    state.focus = c.focus;
    state.canUndo = c.canUndo;
    state.hasSelection = c.hasSelection;
    const CommandStates s = compute();
    EXPECT_EQ(s.undo, c.undo) << static_cast<int>(c.focus);
    EXPECT_EQ(s.copy, c.copy) << static_cast<int>(c.focus);
    EXPECT_EQ(s.cut, c.copy);
  }
}

TEST_F(CommandAvailabilityTest, ColourButtonsFollowThePage) {
  focus({child});
  top->data.Colors = "1:2:3";
  state.pageColors = "1:2:3";
  EXPECT_FALSE(compute().parentColors);
  state.pageColors = "4:5:6";
  EXPECT_TRUE(compute().parentColors);
  state.backgroundChosen = true;
  state.samplesAllSameColour = true;
  EXPECT_FALSE(compute().sameBackground);
  state.samplesAllSameColour = false;
  EXPECT_TRUE(compute().sameBackground);
}

}  // namespace skelder::testing
