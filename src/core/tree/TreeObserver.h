#pragma once
// What a view of the ConnectionTree is told. Structural changes come as begin/end pairs
// with the parent (null for the invisible root) and rows, in the order an item model
// needs them; the "about to" call sees the tree before the change, the other after it.
// Every method does nothing by default.
namespace skelder {

class TreeNode;

class TreeObserver {
 public:
  virtual ~TreeObserver() = default;

  // The outermost begin and end of a (nestable) update batch.
  virtual void batchBegun() {}
  virtual void batchEnded() {}

  virtual void nodesAboutToBeInserted(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
  virtual void nodesInserted(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
  virtual void nodesAboutToBeRemoved(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
  virtual void nodesRemoved(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
  // destinationRow counts the rows of the new parent before the node leaves its old
  // place (the item model's convention).
  virtual void nodeAboutToBeMoved(const TreeNode* /*node*/, const TreeNode* /*newParent*/,
                                  int /*destinationRow*/) {}
  virtual void nodeMoved(const TreeNode* /*node*/) {}
  virtual void aboutToBeCleared() {}
  virtual void cleared() {}

  // The record or the cut-or-copy mark of the node changed.
  virtual void nodeChanged(const TreeNode* /*node*/) {}
  virtual void selectionChanged(const TreeNode* /*node*/) {}
  // Asked before a node collapses; any observer answering false keeps it expanded.
  virtual bool collapseAllowed(const TreeNode* /*node*/) { return true; }
  virtual void expansionChanged(const TreeNode* /*node*/) {}
  virtual void focusChanged(const TreeNode* /*node*/) {}
  virtual void currentNodeChanged(const TreeNode* /*node*/) {}
};

}  // namespace skelder
