// Trees as deep as a table file or the clipboard can make them. Every walk of the tree
// is a loop, so none of these exhausts the stack (recursion broke down at about 27,000
// levels); the depth here leaves a wide margin.
#include <gtest/gtest.h>

#include "TableBytes.h"
#include "TreeShape.h"
#include "core/run/BatchNodes.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/NodeRecord.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeEditing.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

constexpr int kDepth = 100000;

// A chain of kDepth nodes named "n", each the only child of the one before, as records.
std::string ChainTable(int depth) {
  std::string bytes = "SKD21" + Int32(depth);
  for (int level = 1; level <= depth; ++level) bytes += Record(level, "n").bytes();
  return bytes;
}

// Appends a chain of depth nodes named "n" below the parent; returns the deepest one.
TreeNode* AppendChain(ConnectionTree& tree, TreeNode* parent, int depth) {
  for (int i = 0; i < depth; ++i) parent = tree.appendChild(parent, Named("n"));
  return parent;
}

// The number of nodes on the first-child path below the node.
int ChainLength(const TreeNode* node) {
  int length = 0;
  for (node = node->firstChild(); node; node = node->firstChild()) ++length;
  return length;
}

class DeepTreeTest : public ::testing::Test {
 protected:
  DeepTreeTest() { ResetTree(tree); }

  TempFolder folder;
  ConnectionTree tree;
  ScriptedDialogs dialogs;
  FakeSystem system;
  TableFileHost host;
  TableFileContext context{tree, dialogs, system, host};
  FixedClock clock{LocalTime{2026, 12, 10, 9, 5, 7, 42, 4}};
};

}  // namespace

TEST_F(DeepTreeTest, ImportingADeepTableRenamesItsTopAndKeepsEveryLevel) {
  BuildTree(tree, "n");
  WriteFileBytes(folder.file("deep.SKD"), ChainTable(kDepth));
  EXPECT_EQ(ImportFile(context, folder.file("deep.SKD"), clock, ""), 1);
  ASSERT_EQ(tree.computerNode()->childCount(), 2);
  const TreeNode* imported = tree.computerNode()->child(1);
  EXPECT_EQ(imported->data.Name, "Copy of n");
  EXPECT_EQ(ChainLength(imported), kDepth - 1);
  EXPECT_EQ(tree.nodeCount(), kDepth + 2);
  EXPECT_EQ(tree.last()->data.Level, kDepth);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(DeepTreeTest, ADeepBranchIsCopiedPastedAndRenamedInOnePass) {
  TreeNode* top = tree.appendChild(tree.computerNode(), Named("n"));
  AppendChain(tree, top, kDepth - 1);
  tree.clearSelection();
  tree.setSelected(top, true);
  const std::string bytes = EncodeBranches(tree);
  EXPECT_EQ(bytes.size(), 6 + 4 + static_cast<std::size_t>(kDepth) * (kSmallestNodeRecord + 1));

  // Pasted onto the ComputerNode: the copy comes first and keeps the name.
  auto arrived = InsertBranches(tree, bytes, tree.computerNode(), AttachMode::FirstChild);
  ASSERT_EQ(arrived.size(), 1u);
  NodesArrived(tree, arrived);
  EXPECT_EQ(tree.computerNode()->child(0)->data.Name, "n");
  EXPECT_EQ(tree.computerNode()->child(1)->data.Name, "Copy of n");
  EXPECT_EQ(ChainLength(arrived[0]), kDepth - 1);
  EXPECT_EQ(tree.last()->data.Level, kDepth);
  EXPECT_EQ(tree.nodeCount(), 2 * kDepth + 1);
}

TEST_F(DeepTreeTest, ClipboardDataNestedDeeplyArrivesWhole) {
  // The records as another program could have put them on the clipboard.
  std::string bytes = "SKDBR1" + Int32(kDepth);
  for (int level = 1; level <= kDepth; ++level) bytes += Record(level, "n").bytes();
  TreeNode* target = tree.appendChild(tree.computerNode(), Named("Target"));
  auto arrived = InsertBranches(tree, bytes, target, AttachMode::LastChild);
  ASSERT_EQ(arrived.size(), 1u);
  NodesArrived(tree, arrived);
  EXPECT_EQ(ChainLength(target), kDepth);
  EXPECT_EQ(tree.last()->data.Level, kDepth + 1);
}

TEST_F(DeepTreeTest, MarksSelectionAndFocusWalkDeepBranchesInLinearTime) {
  TreeNode* top = tree.appendChild(tree.computerNode(), Named("n"));
  TreeNode* deepest = AppendChain(tree, top, kDepth - 1);
  TreeNode* other = tree.appendChild(tree.computerNode(), Named("Other"));

  tree.setCutMark(top, true);
  MarkCutBranches(tree);
  EXPECT_TRUE(deepest->hasCutMark());
  EXPECT_FALSE(other->hasCutMark());
  EXPECT_EQ(MarkedBranches(tree), std::vector<TreeNode*>{top});

  // Widening from the deepest node selects the whole chain, without asking.
  tree.clearSelection();
  tree.setSelected(deepest, true);
  EXPECT_TRUE(WidenSelectionToRoot(tree, false, dialogs));
  EXPECT_EQ(tree.selectedCount(), kDepth);

  // Collapsing the top deselects everything below it and takes the focus.
  tree.setFocusedNode(deepest);
  VTCollapsed(tree, top);
  EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{top});
  EXPECT_EQ(tree.focusedNode(), top);
}

TEST_F(DeepTreeTest, DeletingADeepBranchMovesTheFocusUpAndEndsARunningBatch) {
  TreeNode* top = tree.appendChild(tree.computerNode(), Named("n"));
  TreeNode* middle = AppendChain(tree, top, kDepth / 2);
  TreeNode* deepest = AppendChain(tree, middle, kDepth / 2);
  tree.clearSelection();
  tree.setSelected(deepest, true);
  tree.setSelected(top, true);
  BatchNodes batch(tree);

  tree.clearSelection();
  tree.setSelected(middle->firstChild(), true);
  tree.setFocusedNode(deepest);
  dialogs.answer("Yes");
  EXPECT_TRUE(DeleteSelected(tree, dialogs, false, [] {}));
  EXPECT_EQ(tree.focusedNode(), middle);
  EXPECT_EQ(tree.nodeCount(), kDepth / 2 + 2);
  EXPECT_EQ(batch.takeNext(), top);
  EXPECT_EQ(batch.takeNext(), nullptr);  // the deepest node went with its branch
  ExpectConsistent(tree);
}

TEST_F(DeepTreeTest, DeepBranchesAreMovedCopiedWrittenAndReleased) {
  TreeNode* top = tree.appendChild(tree.computerNode(), Named("n"));
  AppendChain(tree, top, kDepth - 1);
  TreeNode* target = tree.appendChild(tree.computerNode(), Named("Target"));
  EXPECT_EQ(tree.copyNodes({top, top->firstChild()}, target, AttachMode::LastChild).size(), 1u);
  EXPECT_EQ(tree.moveNodes({top}, target, AttachMode::LastChild).size(), 1u);
  ASSERT_EQ(target->childCount(), 2);
  EXPECT_EQ(ChainLength(target), kDepth);  // through the copy, the first child
  std::string bytes;
  ASSERT_TRUE(EncodeTable(tree, true, bytes));
  EXPECT_EQ(bytes.size(), 5 + 4 + (2 * static_cast<std::size_t>(kDepth) + 1) * kSmallestNodeRecord +
                              2 * kDepth + 6);
  tree.deleteNodes({target});
  EXPECT_EQ(tree.nodeCount(), 1);
}

}  // namespace skelder::testing
