#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/tree/NodeDisplay.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TreeLevels.h"
#include "core/tree/TreeState.h"
#include "support/FakePlatform.h"

namespace skelder {
namespace {

using testing::BuildTree;
using testing::Find;
using testing::Shape;

TEST(TreeRulesTest, ImageFollowsLevelNameAndMacroNeverNodeKind) {
  struct Case {
    std::int32_t level;
    const char* name;
    const char* macro;
    std::int32_t kind;
    bool marked, cutPending;
    int image;
  };
  const Case cases[] = {
      {0, "", "", 0, false, false, 0},   {0, "-", "m", 0, true, true, 0},
      {1, "A", "", 2, false, false, 1},  {1, "A", "m", 1, false, false, 2},
      {2, "-x", "", 0, false, false, 3}, {1, "A", "", 0, true, true, 5},
      {1, "A", "m", 0, true, true, 6},   {1, "-x", "", 3, true, true, 7},
      {1, "A", "m", 0, true, false, 2},  {1, "A", "m", 0, false, true, 2},
  };
  for (const auto& c : cases) {
    ConnectionTree tree;
    ResetTree(tree);
    TreeNode* node = tree.appendChild(tree.computerNode());
    node->data.Level = c.level;
    node->data.Name = c.name;
    node->data.Macro = c.macro;
    node->data.NodeKind = c.kind;
    tree.setCutMark(node, c.marked);
    tree.setCutPending(c.cutPending);
    EXPECT_EQ(VTGetImageIndex(tree, *node), c.image) << c.level << c.name << c.macro;
    tree.setLoading(true);
    EXPECT_EQ(VTGetImageIndex(tree, *node), std::nullopt);
  }
}

TEST(TreeRulesTest, TextOfTheFirstNodeNamesTheComputer) {
  ConnectionTree tree;
  BuildTree(tree, "A");
  testing::FakeSystem system;
  EXPECT_EQ(VTGetText(tree, *tree.computerNode(), system), "This computer (HOST)");
  EXPECT_EQ(VTGetText(tree, *Find(tree, "A"), system), "A");
  struct NamelessSystem : testing::FakeSystem {
    std::string computerName() const override { return ""; }
  } nameless;
  EXPECT_EQ(VTGetText(tree, *tree.computerNode(), nameless), "This computer ()");
}

TEST(TreeRulesTest, SeparatorsCannotHaveChildren) {
  ConnectionTree tree;
  BuildTree(tree, "A,-x");
  EXPECT_FALSE(IsSeparator(Find(tree, "A")));
  EXPECT_TRUE(IsSeparator(Find(tree, "-x")));
  EXPECT_FALSE(IsSeparator(tree.computerNode()));
  EXPECT_TRUE(CanHaveChildren(tree.computerNode()));
  EXPECT_TRUE(CanHaveChildren(Find(tree, "A")));
  EXPECT_FALSE(CanHaveChildren(Find(tree, "-x")));
  EXPECT_FALSE(CanHaveChildren(nullptr));
}

TEST(TreeRulesTest, ResetTreeLeavesOnlyAFocusedSelectedComputerNode) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1),B");
  tree.setSelected(Find(tree, "B"), true);
  tree.setCurrentNode(Find(tree, "A1"));
  TreeNode* computer = ResetTree(tree);
  EXPECT_EQ(Shape(tree), "*");
  EXPECT_EQ(tree.computerNode(), computer);
  EXPECT_EQ(tree.focusedNode(), computer);
  EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{computer});
  EXPECT_EQ(tree.currentNode(), nullptr);
  computer->data.Level = 7;
  computer->data.NodeKind = 2;
  tree.initNode(computer);
  EXPECT_EQ(computer->data.Level, 0);
  EXPECT_EQ(computer->data.NodeKind, 0);
}

TEST(TreeRulesTest, InitialisingANodeReplacesTheLevelReadFromAFile) {
  ConnectionTree tree;
  BuildTree(tree, "A(B(C))");
  for (const char* name : {"A", "B", "C"}) Find(tree, name)->data.Level = 9;
  TreeNode* c = Find(tree, "C");
  tree.initNode(c);  // its ancestors first
  EXPECT_EQ(Find(tree, "A")->data.Level, 1);
  EXPECT_EQ(Find(tree, "B")->data.Level, 2);
  EXPECT_EQ(c->data.Level, 3);
  c->data.Level = 9;
  tree.initNode(c);  // once only
  EXPECT_EQ(c->data.Level, 9);
}

TEST(TreeRulesTest, MovingANodeDeeperRaisesItsSubtreeLevels) {
  ConnectionTree tree;
  BuildTree(tree, "A,B(B1(B1a))");
  RecomputeLevels(tree);
  tree.move(Find(tree, "B"), Find(tree, "A"), AttachMode::LastChild);
  RecomputeLevels(tree);
  EXPECT_EQ(Find(tree, "A")->data.Level, 1);
  EXPECT_EQ(Find(tree, "B")->data.Level, 2);
  EXPECT_EQ(Find(tree, "B1")->data.Level, 3);
  EXPECT_EQ(Find(tree, "B1a")->data.Level, 4);
}

TEST(TreeRulesTest, SubtreeHoldsCurrentNodeOnlyForItsAncestorsWhileEditsPend) {
  ConnectionTree tree;
  // P has no next sibling and comes before the current node in pre-order.
  BuildTree(tree, "A(A1(A1a),A2(P)),B(B1(Cur(K)))");
  tree.setCurrentNode(Find(tree, "Cur"));
  for (const char* name : {"Cur", "B1", "B"})
    EXPECT_TRUE(SubtreeHoldsCurrentNode(tree, Find(tree, name), true)) << name;
  EXPECT_TRUE(SubtreeHoldsCurrentNode(tree, tree.computerNode(), true));
  for (const char* name : {"A", "A1", "A1a", "A2", "P", "K"})
    EXPECT_FALSE(SubtreeHoldsCurrentNode(tree, Find(tree, name), true)) << name;
  EXPECT_FALSE(SubtreeHoldsCurrentNode(tree, Find(tree, "B"), false));
  tree.setCurrentNode(nullptr);
  EXPECT_FALSE(SubtreeHoldsCurrentNode(tree, Find(tree, "B"), true));
}

TEST(TreeRulesTest, SelectNodeAtShowsTheNodeOfThatPreorderIndex) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a)),B");
  TreeNode* deep = Find(tree, "A1a");
  SelectNodeAt(tree, 3);  // the ComputerNode, A, A1, A1a
  EXPECT_EQ(tree.focusedNode(), deep);
  EXPECT_EQ(tree.currentNode(), deep);
  EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{deep});
  EXPECT_TRUE(Find(tree, "A")->isExpanded());
  EXPECT_TRUE(Find(tree, "A1")->isExpanded());
  // No index, or one past the last node, leaves the tree as it is.
  for (int index : {0, 5, -1}) {
    SelectNodeAt(tree, index);
    EXPECT_EQ(tree.focusedNode(), deep) << index;
    EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{deep}) << index;
  }
}

}  // namespace
}  // namespace skelder
