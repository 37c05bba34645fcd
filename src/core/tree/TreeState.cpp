#include "core/tree/TreeState.h"

#include "core/tree/TreeUpdateBatch.h"

namespace skelder {

TreeNode* ResetTree(ConnectionTree& tree) {
  TreeUpdateBatch batch(tree);
  tree.clearSelection();
  tree.clear();
  TreeNode* computer = tree.addComputerNode();
  tree.setSelected(computer, true);
  tree.setFocusedNode(computer);
  return computer;
}

bool SubtreeHoldsCurrentNode(const ConnectionTree& tree, const TreeNode* node, bool pendingEdits) {
  if (!pendingEdits || !node) return false;
  return node->isAncestorOrSelf(tree.currentNode());
}

void SelectNodeAt(ConnectionTree& tree, int preorderIndex) {
  if (preorderIndex == 0) return;
  TreeNode* node = tree.nodeAt(preorderIndex);
  if (!node) return;
  for (TreeNode* up = node->parent(); up; up = up->parent()) tree.setExpanded(up, true);
  tree.clearSelection();
  tree.setSelected(node, true);
  tree.setFocusedNode(node);
  tree.setCurrentNode(node);
}

}  // namespace skelder
