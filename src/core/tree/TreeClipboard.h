#pragma once
// Branches of the tree on the clipboard and dragged with the mouse: the selected nodes
// with their subtrees as node records, and what happens to the nodes that arrive at
// their new place.
#include <string>
#include <vector>

#include "core/tree/ConnectionTree.h"

namespace skelder {

// The clipboard format of tree branches.
inline constexpr const char* kTreeClipboardFormat = "Virtual Tree Data";

// The selected nodes (the ComputerNode left out) with their subtrees, in pre-order: a
// signature, a count and the node records, each with its depth below its branch's top.
std::string EncodeBranches(const ConnectionTree& tree);

// Copies of the branches held by the bytes, placed relative to the target; empty when
// the bytes are not branches.
std::vector<TreeNode*> InsertBranches(ConnectionTree& tree, const std::string& bytes,
                                      TreeNode* target, AttachMode mode);

// Extends the cut-or-copy mark from every marked node to its whole branch.
void MarkCutBranches(ConnectionTree& tree);

// The topmost marked nodes, in pre-order: what a paste after a cut moves.
std::vector<TreeNode*> MarkedBranches(const ConnectionTree& tree);

// After nodes arrived below new parents: the parents are expanded, their children's
// names made unique, and every level set from the tree.
void NodesArrived(ConnectionTree& tree, const std::vector<TreeNode*>& nodes);

enum class DropPosition { Above, On, Below };

// Whether the nodes being dragged (the CurrentNode first among them) may be dropped at
// the target: never on themselves, their parent or their own descendants, never on a
// separator line, never beside the ComputerNode.
bool DropAllowed(const ConnectionTree& tree, const TreeNode* target, DropPosition position);

// Where a drop at the position places the nodes.
AttachMode DropMode(const TreeNode* target, DropPosition position);

}  // namespace skelder
