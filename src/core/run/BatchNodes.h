#pragma once
// The nodes a "Run all selected" batch has still to run. The window stays responsive
// between the starts of a batch, so nodes may be deleted meanwhile: a deleted node
// leaves the list before it goes.
#include <deque>

#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeObserver.h"

namespace skelder {

class BatchNodes : public TreeObserver {
 public:
  // The selected nodes in display order; watches the tree until destroyed.
  explicit BatchNodes(ConnectionTree& tree);
  ~BatchNodes() override;
  BatchNodes(const BatchNodes&) = delete;
  BatchNodes& operator=(const BatchNodes&) = delete;

  // The next node to run, or null when none is left.
  const TreeNode* takeNext();

  void nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) override;
  void aboutToBeCleared() override;

 private:
  ConnectionTree& tree_;
  std::deque<const TreeNode*> pending_;
};

}  // namespace skelder
