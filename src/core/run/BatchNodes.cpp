#include "core/run/BatchNodes.h"

#include <algorithm>

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

void BatchNodes::nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) {
  for (int row = first; row <= last; ++row)
    forget(parent ? parent->child(row) : tree_.topLevel(row));
}

void BatchNodes::aboutToBeCleared() { pending_.clear(); }

// The node and its subtree.
void BatchNodes::forget(const TreeNode* node) {
  if (!node) return;
  pending_.erase(std::remove(pending_.begin(), pending_.end(), node), pending_.end());
  for (int row = 0; row < node->childCount(); ++row) forget(node->child(row));
}

}  // namespace skelder
