#pragma once
// One node of the ConnectionTree: its record, its place among its siblings and the
// per-node view state (selected, expanded, cut-or-copy mark). Structure and state are
// changed only through the ConnectionTree, which keeps the counts and tells observers;
// the record may be changed directly (then call ConnectionTree::notifyChanged).
#include <memory>
#include <vector>

#include "core/tree/rVTNodeData.h"

namespace skelder {

class TreeNode {
 public:
  TreeNode() = default;
  ~TreeNode();
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;

  rVTNodeData data;

  // Null for a top-level node (its parent is the tree's invisible root).
  TreeNode* parent() const { return parent_ && !parent_->isRoot_ ? parent_ : nullptr; }
  // The index among the siblings, in constant time.
  int row() const { return row_; }
  int childCount() const { return static_cast<int>(children_.size()); }
  TreeNode* child(int row) const;
  TreeNode* firstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  TreeNode* lastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
  TreeNode* previousSibling() const;
  TreeNode* nextSibling() const;
  // 0 for a top-level node, whatever the record's Level says.
  int depth() const;
  // True when this node is the other one or one of its ancestors.
  bool isAncestorOrSelf(const TreeNode* other) const;

  bool isSelected() const { return selected_; }
  bool isExpanded() const { return expanded_; }
  bool hasCutMark() const { return cutMark_; }
  // Whether VTInitNode has run for the node (ConnectionTree::initNode).
  bool isInitialized() const { return initialized_; }

 private:
  friend class ConnectionTree;

  TreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children_;
  int row_ = 0;
  int preorder_ = 0;  // valid while the tree's pre-order index is valid
  bool isRoot_ = false;
  bool selected_ = false;
  bool expanded_ = false;
  bool cutMark_ = false;
  bool initialized_ = false;
};

}  // namespace skelder
