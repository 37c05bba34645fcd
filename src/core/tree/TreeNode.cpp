#include "core/tree/TreeNode.h"

namespace skelder {

// Subtrees are released without recursion, so that a tree as deep as a file can make
// it does not exhaust the stack.
TreeNode::~TreeNode() {
  std::vector<std::unique_ptr<TreeNode>> pending = std::move(children_);
  while (!pending.empty()) {
    std::unique_ptr<TreeNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_) pending.push_back(std::move(child));
    node->children_.clear();
  }
}

TreeNode* TreeNode::child(int row) const {
  if (row < 0 || row >= childCount()) return nullptr;
  return children_[static_cast<std::size_t>(row)].get();
}

TreeNode* TreeNode::previousSibling() const {
  if (!parent_ || row_ == 0) return nullptr;
  return parent_->children_[static_cast<std::size_t>(row_ - 1)].get();
}

TreeNode* TreeNode::nextSibling() const {
  if (!parent_) return nullptr;
  const auto next = static_cast<std::size_t>(row_ + 1);
  return next < parent_->children_.size() ? parent_->children_[next].get() : nullptr;
}

int TreeNode::depth() const {
  int depth = 0;
  for (const TreeNode* node = parent(); node; node = node->parent()) ++depth;
  return depth;
}

bool TreeNode::isAncestorOrSelf(const TreeNode* other) const {
  for (; other; other = other->parent())
    if (other == this) return true;
  return false;
}

}  // namespace skelder
