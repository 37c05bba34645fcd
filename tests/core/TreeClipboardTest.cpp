#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TreeClipboard.h"

namespace skelder::testing {

namespace {

void Select(ConnectionTree& tree, std::vector<std::string> names) {
  tree.clearSelection();
  for (const auto& name : names) tree.setSelected(Find(tree, name), true);
}

}  // namespace

TEST(TreeClipboard, BranchesTravelWithTheirSubtreesAndArriveAsFirstChildren) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A11),A2),B,C");
  Select(tree, {"A1", "A11", "B"});  // A11 travels with A1 anyway
  const std::string bytes = EncodeBranches(tree);
  auto arrived = InsertBranches(tree, bytes, Find(tree, "C"), AttachMode::FirstChild);
  ASSERT_EQ(arrived.size(), 2u);
  NodesArrived(tree, arrived);
  EXPECT_EQ(Shape(tree), "*(A(A1(A11),A2),B,C(A1(A11),B))");
  EXPECT_EQ(Find(tree, "C")->firstChild()->firstChild()->data.Level, 3);
  EXPECT_TRUE(Find(tree, "C")->isExpanded());
  ExpectConsistent(tree);
}

TEST(TreeClipboard, ACopyPastedOntoItsParentPushesTheOriginalToACopyName) {
  ConnectionTree tree;
  BuildTree(tree, "P(X,Web)");
  Select(tree, {"Web"});
  auto arrived =
      InsertBranches(tree, EncodeBranches(tree), Find(tree, "P"), AttachMode::FirstChild);
  NodesArrived(tree, arrived);
  EXPECT_EQ(Shape(tree), "*(P(Web,X,Copy of Web))");
}

TEST(TreeClipboard, ForeignBytesInsertNothing) {
  ConnectionTree tree;
  BuildTree(tree, "A");
  for (const std::string bytes :
       {std::string(), std::string("SKD21"), std::string("SKDBR1\x05\0\0\0", 10)})
    EXPECT_TRUE(InsertBranches(tree, bytes, Find(tree, "A"), AttachMode::FirstChild).empty());
  EXPECT_EQ(Shape(tree), "*(A)");
}

TEST(TreeClipboard, MarkingACutGreysAdjacentBranchesWhole) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A11)),B(B1),C");
  tree.setCutMark(Find(tree, "A"), true);
  tree.setCutMark(Find(tree, "B"), true);
  MarkCutBranches(tree);
  for (const char* name : {"A", "A1", "A11", "B", "B1"})
    EXPECT_TRUE(Find(tree, name)->hasCutMark()) << name;
  EXPECT_FALSE(Find(tree, "C")->hasCutMark());
  EXPECT_EQ(MarkedBranches(tree), (std::vector<TreeNode*>{Find(tree, "A"), Find(tree, "B")}));
}

TEST(TreeClipboard, DropsFollowTheRules) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A11)),S,B");
  Find(tree, "S")->data.Name = SeparatorText;
  TreeNode* separator = tree.computerNode()->child(1);
  tree.setCurrentNode(Find(tree, "A1"));
  struct Case {
    TreeNode* target;
    DropPosition position;
    bool allowed;
  } cases[] = {
      {Find(tree, "A1"), DropPosition::On, false},      // itself
      {Find(tree, "A"), DropPosition::On, false},       // its parent
      {Find(tree, "A11"), DropPosition::Below, false},  // its own descendant
      {separator, DropPosition::On, false},
      {separator, DropPosition::Above, true},
      {separator, DropPosition::Below, true},
      {Find(tree, "B"), DropPosition::On, true},
      {tree.computerNode(), DropPosition::Above, false},  // beside the ComputerNode
      {tree.computerNode(), DropPosition::On, true},
      {nullptr, DropPosition::On, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DropAllowed(tree, c.target, c.position), c.allowed)
        << (c.target ? c.target->data.Name : "none") << " " << static_cast<int>(c.position);
  EXPECT_EQ(DropMode(separator, DropPosition::On), AttachMode::After);
  EXPECT_EQ(DropMode(Find(tree, "B"), DropPosition::On), AttachMode::LastChild);
}

}  // namespace skelder::testing
