#include "core/tree/TreeLevels.h"

#include "core/tree/ConnectionTree.h"

namespace skelder {

void VTInitNode(const rVTNodeData* parent, rVTNodeData& node) {
  if (parent) {
    node.Level = parent->Level + 1;
  } else {
    node.Level = 0;
    node.NodeKind = 0;
  }
}

void RecomputeLevels(ConnectionTree& tree) {
  for (TreeNode* node = tree.first(); node; node = tree.next(node)) {
    tree.initNode(node);
    const TreeNode* parent = node->parent();
    if (parent) node->data.Level = parent->data.Level + 1;
  }
}

}  // namespace skelder
