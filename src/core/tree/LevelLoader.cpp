#include "core/tree/LevelLoader.h"

namespace skelder {

LevelLoader::LevelLoader(ConnectionTree& tree) : tree_(tree), parent_(tree.computerNode()) {}

TreeNode* LevelLoader::append(rVTNodeData record, std::int64_t level) {
  choose(level);
  previousLevel_ = level;
  previous_ = tree_.appendChild(parent_, std::move(record));
  if (tree_.preorderIndex(previous_) == tree_.selectedNodeIndex()) remember(previous_);
  return previous_;
}

void LevelLoader::choose(std::int64_t level) {
  if (level == previousLevel_) return;  // a sibling of the previous node
  if (level == 1 || !previous_) {
    parent_ = tree_.computerNode();
  } else if (level > previousLevel_) {
    parent_ = previous_;
  } else {
    // Climb, but never above the ComputerNode (64 bits: levels may be any int32).
    TreeNode* node = previous_;
    for (std::int64_t steps = previousLevel_ - level + 1; steps > 0 && node->parent(); --steps)
      node = node->parent();
    parent_ = node;
  }
}

// The node to focus after loading: shown with its ancestors expanded and made the
// CurrentNode while the tree is not loading, so that the view takes it in.
void LevelLoader::remember(TreeNode* node) {
  tree_.setLoading(false);
  for (TreeNode* up = node->parent(); up && up != tree_.computerNode(); up = up->parent())
    tree_.setExpanded(up, true);
  remembered_ = node;
  tree_.setCurrentNode(node);
  tree_.setLoading(true);
}

void LevelLoader::focusRemembered() {
  if (remembered_) {
    tree_.clearSelection();
    tree_.setFocusedNode(remembered_);
    tree_.setSelected(remembered_, true);
  } else {
    tree_.setSelectedNodeIndex(0);
  }
}

}  // namespace skelder
