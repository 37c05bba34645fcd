#pragma once
// Operations on the tree as a whole: starting it afresh and asking where CurrentNode is.
#include "core/tree/ConnectionTree.h"

namespace skelder {

// Inside one update batch: removes every node, appends a new empty ComputerNode, selects
// and focuses it. Returns the ComputerNode. (CurrentNode follows the focus through the
// view's change handler, which does nothing while the tree is loading.)
TreeNode* ResetTree(ConnectionTree& tree);

// With edits pending: whether CurrentNode is the node or one of its descendants, that is
// whether collapsing the node would hide the node with unapplied edits. False without
// pending edits.
bool SubtreeHoldsCurrentNode(const ConnectionTree& tree, const TreeNode* node, bool pendingEdits);

// The node at that preorder index (the ComputerNode is 0) is shown, selected, focused and
// made current, as the last session left it; no index or one past the end changes nothing.
void SelectNodeAt(ConnectionTree& tree, int preorderIndex);

}  // namespace skelder
