#include "core/run/BatchNodes.h"

#include <algorithm>
#include <unordered_set>

namespace skelder {

BatchNodes::BatchNodes(ConnectionTree& tree) : tree_(tree) {
  for (TreeNode* node : tree.selectedNodes()) pending_.push_back(node);
  tree_.addObserver(this);
}

BatchNodes::~BatchNodes() { tree_.removeObserver(this); }

const TreeNode* BatchNodes::takeNext() {
  if (pending_.empty()) return nullptr;
  const TreeNode* node = pending_.front();
  pending_.pop_front();
  return node;
}

// The rows' subtrees leave the list in one pass, without recursion.
void BatchNodes::nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) {
  if (pending_.empty()) return;
  std::unordered_set<const TreeNode*> removed;
  for (int row = first; row <= last; ++row) {
    const TreeNode* top = parent ? parent->child(row) : tree_.topLevel(row);
    if (!top) continue;
    const TreeNode* end = tree_.afterSubtree(top);
    for (const TreeNode* node = top; node && node != end; node = tree_.next(node))
      removed.insert(node);
  }
  pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                [&](const TreeNode* node) { return removed.count(node) != 0; }),
                 pending_.end());
}

void BatchNodes::aboutToBeCleared() { pending_.clear(); }

}  // namespace skelder
