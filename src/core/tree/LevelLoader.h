#pragma once
// Appends nodes read in pre-order below the parent their level names (1: a child of the
// ComputerNode), as table files and the older connection files carry the hierarchy, and
// remembers the node whose pre-order index is the tree's SelectedNodeIndex.
#include <cstdint>

#include "core/tree/ConnectionTree.h"

namespace skelder {

class LevelLoader {
 public:
  explicit LevelLoader(ConnectionTree& tree);

  // Appends the record below the parent chosen by level; returns the new node.
  TreeNode* append(rVTNodeData record, std::int64_t level);

  // After loading: the remembered node becomes the only selected and the focused node,
  // or, without one, SelectedNodeIndex is cleared.
  void focusRemembered();
  TreeNode* remembered() const { return remembered_; }

 private:
  void choose(std::int64_t level);
  void remember(TreeNode* node);

  ConnectionTree& tree_;
  TreeNode* parent_ = nullptr;
  TreeNode* previous_ = nullptr;
  TreeNode* remembered_ = nullptr;
  std::int64_t previousLevel_ = 1;
};

}  // namespace skelder
