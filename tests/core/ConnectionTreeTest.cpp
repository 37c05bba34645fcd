#include "core/tree/ConnectionTree.h"

#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/tree/TreeObserver.h"
#include "core/tree/TreeUpdateBatch.h"

namespace skelder {
namespace {

using testing::AddShape;
using testing::BuildTree;
using testing::ExpectConsistent;
using testing::Find;
using testing::Named;
using testing::Shape;

std::string Names(const std::vector<TreeNode*>& nodes) {
  std::string text;
  for (const TreeNode* node : nodes) text += (text.empty() ? "" : ",") + node->data.Name;
  return text;
}

// Writes down every call as one word, rows included, in the order they came.
class RecordingObserver : public TreeObserver {
 public:
  static std::string Of(const TreeNode* node) {
    return !node ? "root" : node->data.Name.empty() ? "*" : node->data.Name;
  }
  void batchBegun() override { log.push_back("batch{"); }
  void batchEnded() override { log.push_back("}batch"); }
  void nodesAboutToBeInserted(const TreeNode* p, int f, int l) override {
    log.push_back("insert? " + Of(p) + " " + std::to_string(f) + "-" + std::to_string(l));
  }
  void nodesInserted(const TreeNode* p, int f, int l) override {
    log.push_back("inserted " + Of(p) + " " + std::to_string(f) + "-" + std::to_string(l));
  }
  void nodesAboutToBeRemoved(const TreeNode* p, int f, int l) override {
    log.push_back("remove? " + Of(p) + " " + std::to_string(f) + "-" + std::to_string(l));
  }
  void nodesRemoved(const TreeNode* p, int f, int l) override {
    log.push_back("removed " + Of(p) + " " + std::to_string(f) + "-" + std::to_string(l));
  }
  void nodeAboutToBeMoved(const TreeNode* n, const TreeNode* p, int row) override {
    log.push_back("move? " + Of(n) + " from " + Of(n->parent()) + " " + std::to_string(n->row()) +
                  " to " + Of(p) + " " + std::to_string(row));
  }
  void nodeMoved(const TreeNode* n) override { log.push_back("moved " + Of(n)); }
  void selectionChanged(const TreeNode* n) override {
    log.push_back((n->isSelected() ? "select " : "deselect ") + Of(n));
  }
  bool collapseAllowed(const TreeNode* n) override { return n->data.Name != vetoed; }
  void expansionChanged(const TreeNode* n) override {
    log.push_back((n->isExpanded() ? "expand " : "collapse ") + Of(n));
  }
  void focusChanged(const TreeNode* n) override { log.push_back("focus " + Of(n)); }
  void currentNodeChanged(const TreeNode* n) override { log.push_back("current " + Of(n)); }
  std::vector<std::string> log;
  std::string vetoed;
};

TEST(ConnectionTreeTest, WalksInPreOrderBothWays) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a),A2),B(B1),D(D1(D1a))");
  const std::vector<std::string> order = {"", "A", "A1", "A1a", "A2", "B", "B1", "D", "D1", "D1a"};
  std::vector<std::string> forward, backward;
  for (const TreeNode* n = tree.first(); n; n = tree.next(n)) forward.push_back(n->data.Name);
  for (const TreeNode* n = tree.last(); n; n = tree.previous(n))
    backward.insert(backward.begin(), n->data.Name);
  EXPECT_EQ(forward, order);
  EXPECT_EQ(backward, order);
  EXPECT_EQ(tree.last()->data.Name, "D1a");
  EXPECT_EQ(tree.preorderIndex(Find(tree, "B1")), 6);
  EXPECT_EQ(tree.preorderIndex(nullptr), -1);
  EXPECT_EQ(tree.nodeAt(4)->data.Name, "A2");
  const TreeNode* a2 = Find(tree, "A2");
  EXPECT_EQ(a2->row(), 1);
  EXPECT_EQ(a2->depth(), 2);
  EXPECT_EQ(a2->previousSibling()->data.Name, "A1");
  EXPECT_EQ(a2->nextSibling(), nullptr);
  EXPECT_EQ(tree.computerNode()->parent(), nullptr);
  ExpectConsistent(tree);
}

TEST(ConnectionTreeTest, InsertsInEveryFormButBesideTheComputerNode) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1),B");
  TreeNode* a = Find(tree, "A");
  tree.insert(a, AttachMode::Before, Named("before"));
  tree.insert(a, AttachMode::After, Named("after"));
  tree.insert(a, AttachMode::FirstChild, Named("first"));
  tree.insert(a, AttachMode::LastChild, Named("last"));
  EXPECT_EQ(Shape(tree), "*(before,A(first,A1,last),after,B)");
  ExpectConsistent(tree);

  EXPECT_EQ(tree.insert(tree.computerNode(), AttachMode::Before), nullptr);
  EXPECT_EQ(tree.insert(tree.computerNode(), AttachMode::After), nullptr);
  EXPECT_EQ(tree.insert(nullptr, AttachMode::LastChild), nullptr);
  EXPECT_EQ(tree.addComputerNode(), nullptr);
  EXPECT_EQ(tree.topLevelCount(), 1);
}

TEST(ConnectionTreeTest, CopiesASubtreeToJustAfterItself) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a),A2),B");
  TreeNode* a = Find(tree, "A");
  a->data.Macro = "m";
  tree.setSelected(a, true);
  tree.setExpanded(a, true);
  TreeNode* copy = tree.copySubtreeAfter(a);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Shape(tree), "*(A(A1(A1a),A2),A(A1(A1a),A2),B)");
  EXPECT_EQ(copy->row(), 1);
  EXPECT_EQ(copy->data.Macro, "m");
  EXPECT_FALSE(copy->isSelected());
  EXPECT_FALSE(copy->isExpanded());
  EXPECT_EQ(tree.nodeCount(), 10);
  EXPECT_EQ(tree.copySubtreeAfter(tree.computerNode()), nullptr);
  // A copy into the node's own subtree copies the subtree as it was before.
  tree.copySubtree(copy, copy->child(0), AttachMode::LastChild);
  EXPECT_EQ(Shape(copy), "A(A1(A1a,A(A1(A1a),A2)),A2)");
  ExpectConsistent(tree);
}

TEST(ConnectionTreeTest, MovesNodesWithTheirSubtrees) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a),A2),B(B1),C");
  TreeNode* a = Find(tree, "A");
  TreeNode* a2 = Find(tree, "A2");
  TreeNode* b = Find(tree, "B");
  EXPECT_TRUE(tree.move(a2, Find(tree, "A1"), AttachMode::Before));
  EXPECT_TRUE(tree.move(b, a, AttachMode::LastChild));
  EXPECT_TRUE(tree.move(a, Find(tree, "C"), AttachMode::After));
  EXPECT_EQ(Shape(tree), "*(C,A(A2,A1(A1a),B(B1)))");
  ExpectConsistent(tree);

  EXPECT_FALSE(tree.move(a, Find(tree, "B1"), AttachMode::FirstChild));  // into itself
  EXPECT_FALSE(tree.move(a, a, AttachMode::After));
  EXPECT_FALSE(tree.move(tree.computerNode(), a, AttachMode::LastChild));
  EXPECT_FALSE(tree.move(a, tree.computerNode(), AttachMode::After));  // to the top level
  EXPECT_TRUE(tree.move(a2, Find(tree, "A1"), AttachMode::Before));    // already there
  EXPECT_EQ(Shape(tree), "*(C,A(A2,A1(A1a),B(B1)))");
  ExpectConsistent(tree);
}

TEST(ConnectionTreeTest, MovesAndCopiesSetsInPreOrder) {
  struct Case {
    AttachMode mode;
    std::string moved, copied;
  };
  const Case cases[] = {
      {AttachMode::Before, "*(A(A2),D(E),A1(A1a),B1,T,B)",
       "*(A(A1(A1a),A2),D(E),A1(A1a),B1,T,B(B1))"},
      {AttachMode::After, "*(A(A2),D(E),T,A1(A1a),B1,B)",
       "*(A(A1(A1a),A2),D(E),T,A1(A1a),B1,B(B1))"},
      {AttachMode::FirstChild, "*(A(A2),D(E),T(A1(A1a),B1),B)",
       "*(A(A1(A1a),A2),D(E),T(A1(A1a),B1),B(B1))"},
      {AttachMode::LastChild, "*(A(A2),D(E),T(A1(A1a),B1),B)",
       "*(A(A1(A1a),A2),D(E),T(A1(A1a),B1),B(B1))"},
  };
  for (const auto& c : cases) {
    for (const bool copy : {false, true}) {
      ConnectionTree tree;
      BuildTree(tree, "A(A1(A1a),A2),D(E),T,B(B1)");
      // Listed out of order, with a node inside another listed subtree and the
      // ComputerNode: the set travels in pre-order, A1a with A1, the ComputerNode stays.
      const std::vector<TreeNode*> set = {Find(tree, "B1"), Find(tree, "A1a"), Find(tree, "A1"),
                                          tree.computerNode()};
      TreeNode* target = Find(tree, "T");
      const auto arrived =
          copy ? tree.copyNodes(set, target, c.mode) : tree.moveNodes(set, target, c.mode);
      EXPECT_EQ(Names(arrived), "A1,B1");
      EXPECT_EQ(Shape(tree), copy ? c.copied : c.moved) << static_cast<int>(c.mode) << copy;
      ExpectConsistent(tree);
    }
  }
}

TEST(ConnectionTreeTest, DeletesSetsWithTheirSubtreesAndForgetsThem) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a),A2,A3),B(B1),C,D");
  TreeNode* a1a = Find(tree, "A1a");
  tree.setCurrentNode(a1a);
  tree.setFocusedNode(Find(tree, "B1"));
  for (const char* name : {"A1", "A1a", "A3", "B", "D"}) tree.setSelected(Find(tree, name), true);
  tree.setSelected(tree.computerNode(), true);
  RecordingObserver observer;
  tree.addObserver(&observer);
  tree.deleteSelected();
  EXPECT_EQ(Shape(tree), "*(A(A2),C)");
  EXPECT_EQ(tree.currentNode(), nullptr);
  EXPECT_EQ(tree.focusedNode(), nullptr);
  EXPECT_EQ(tree.selectedCount(), 1);  // the ComputerNode is never deleted
  EXPECT_EQ(observer.log,
            (std::vector<std::string>{
                "remove? A 2-2", "removed A 2-2", "remove? A 0-0", "removed A 0-0", "remove? * 3-3",
                "removed * 3-3", "remove? * 1-1", "removed * 1-1", "focus root", "current root"}));
  ExpectConsistent(tree);
  tree.removeObserver(&observer);
}

TEST(ConnectionTreeTest, TellsObserversInTheOrderAnItemModelNeeds) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1,A2),B");
  RecordingObserver observer;
  tree.addObserver(&observer);
  {
    TreeUpdateBatch outer(tree);
    TreeUpdateBatch inner(tree);
    tree.insert(Find(tree, "A1"), AttachMode::After, Named("X"));
    tree.move(Find(tree, "A1"), Find(tree, "B"), AttachMode::FirstChild);
    tree.move(Find(tree, "X"), Find(tree, "A2"), AttachMode::After);
  }
  TreeNode* a = Find(tree, "A");
  tree.setExpanded(a, true);
  observer.vetoed = "A";
  EXPECT_FALSE(tree.setExpanded(a, false));
  EXPECT_TRUE(a->isExpanded());
  tree.setSelected(a, true);
  tree.setSelected(a, true);  // no change, nothing told
  EXPECT_EQ(observer.log,
            (std::vector<std::string>{
                "batch{", "insert? A 1-1", "inserted A 1-1", "move? A1 from A 0 to B 0", "moved A1",
                "move? X from A 0 to A 2", "moved X", "}batch", "expand A", "select A"}));
  EXPECT_EQ(Shape(tree), "*(A(A2,X),B(A1))");
  ExpectConsistent(tree);
}

TEST(ConnectionTreeTest, KeepsSelectionFocusExpansionAndMarks) {
  ConnectionTree tree;
  BuildTree(tree, "A(A1(A1a),A2),B");
  tree.selectAll();
  EXPECT_EQ(tree.selectedCount(), 6);
  tree.clearSelection();
  tree.setSelected(Find(tree, "A2"), true);
  tree.setSelected(Find(tree, "A1"), true);
  EXPECT_EQ(Names(tree.selectedNodes()), "A1,A2");
  tree.expandAll(tree.computerNode());
  EXPECT_TRUE(Find(tree, "A1")->isExpanded());
  EXPECT_FALSE(Find(tree, "A1a")->isExpanded());  // nothing to expand
  tree.collapseAll(Find(tree, "A"));
  EXPECT_FALSE(Find(tree, "A")->isExpanded());
  EXPECT_FALSE(Find(tree, "A1")->isExpanded());
  EXPECT_TRUE(tree.computerNode()->isExpanded());
  tree.setCutMark(Find(tree, "B"), true);
  EXPECT_TRUE(Find(tree, "B")->hasCutMark());
  tree.clearCutMarks();
  EXPECT_FALSE(Find(tree, "B")->hasCutMark());
  ExpectConsistent(tree);
}

TEST(ConnectionTreeTest, HandlesATreeAsDeepAsAFileCanMakeIt) {
  ConnectionTree tree;
  TreeNode* node = ResetTree(tree);
  const int depth = 200000;
  for (int i = 0; i < depth; ++i) node = tree.appendChild(node);
  EXPECT_EQ(tree.preorderIndex(tree.last()), depth);
  tree.initNode(tree.last());
  EXPECT_EQ(tree.last()->data.Level, depth);
  TreeNode* copy = tree.copySubtreeAfter(tree.computerNode()->firstChild());
  EXPECT_EQ(tree.nodeCount(), 2 * depth + 1);
  tree.deleteNodes({copy});
  EXPECT_EQ(tree.nodeCount(), depth + 1);
  tree.clear();
  EXPECT_EQ(tree.nodeCount(), 0);
  EXPECT_EQ(tree.first(), nullptr);
}

}  // namespace
}  // namespace skelder
