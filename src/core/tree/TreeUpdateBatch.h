#pragma once
// Holds an update batch of the tree open for the lifetime of the object.
#include "core/tree/ConnectionTree.h"

namespace skelder {

class TreeUpdateBatch {
 public:
  explicit TreeUpdateBatch(ConnectionTree& tree) : tree_(tree) { tree_.beginUpdate(); }
  ~TreeUpdateBatch() { tree_.endUpdate(); }
  TreeUpdateBatch(const TreeUpdateBatch&) = delete;
  TreeUpdateBatch& operator=(const TreeUpdateBatch&) = delete;

 private:
  ConnectionTree& tree_;
};

}  // namespace skelder
