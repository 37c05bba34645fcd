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

}  // namespace skelder
