#include "core/tree/TreeClipboard.h"

#include <algorithm>

#include "core/tree/ByteReader.h"
#include "core/tree/LevelLoader.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeNaming.h"
#include "core/tree/NodeRecord.h"
#include "core/tree/TreeLevels.h"
#include "core/tree/TreeState.h"

namespace skelder {

namespace {

const std::string kSignature = "SKDBR1";

void PutInt32(std::string& out, std::int32_t value) {
  for (int i = 0; i < 4; ++i)
    out += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

// The next node in pre-order below the ComputerNode with its depth there (1 for the
// ComputerNode's children); null after the last one. A walk with it is linear in the
// nodes, whatever the depth.
const TreeNode* NextBelow(const TreeNode* computer, const TreeNode* node, int& depth) {
  if (const TreeNode* child = node->firstChild()) {
    ++depth;
    return child;
  }
  while (node != computer && !node->nextSibling()) {
    node = node->parent();
    --depth;
  }
  return node == computer ? nullptr : node->nextSibling();
}

// Calls visit(node, depth, top) for every node below the ComputerNode in pre-order;
// top is the depth of the nearest ancestor-or-self for which flagged holds, 0 for none.
// A flagged ComputerNode covers every node below it.
template <typename Flag, typename Visit>
void WalkFlagged(const ConnectionTree& tree, Flag flagged, Visit visit) {
  const TreeNode* computer = tree.computerNode();
  if (!computer || !computer->firstChild()) return;
  if (flagged(computer)) return;
  int depth = 1;
  int top = 0;
  for (const TreeNode* node = computer->firstChild(); node;
       node = NextBelow(computer, node, depth)) {
    if (top > 0 && depth <= top) top = 0;
    if (top == 0 && flagged(node)) top = depth;
    visit(const_cast<TreeNode*>(node), depth, top);
  }
}

}  // namespace

std::string EncodeBranches(const ConnectionTree& tree) {
  std::string records;
  std::int32_t count = 0;
  WalkFlagged(
      tree, [](const TreeNode* node) { return node->isSelected(); },
      [&](TreeNode* node, int depth, int top) {
        if (top == 0) return;
        VTSaveNode(records, node->data, depth - top + 1);
        ++count;
      });
  std::string bytes = kSignature;
  PutInt32(bytes, count);
  return bytes + records;
}

std::vector<TreeNode*> InsertBranches(ConnectionTree& tree, const std::string& bytes,
                                      TreeNode* target, AttachMode mode) {
  if (bytes.compare(0, kSignature.size(), kSignature) != 0 || !target) return {};
  ByteReader in(std::string_view(bytes).substr(kSignature.size()));
  std::int32_t count = 0;
  if (!in.readInt32(count) || count < 0) return {};
  // The branches are built apart first, then copied into place.
  ConnectionTree branches;
  ResetTree(branches);
  branches.setSelectedNodeIndex(-1);
  LevelLoader levels(branches);
  for (std::int32_t i = 0; i < count; ++i) {
    rVTNodeData record;
    if (!VTLoadNode(in, record)) return {};
    const std::int64_t level = record.Level;
    levels.append(std::move(record), level);
  }
  std::vector<TreeNode*> arrived;
  TreeNode* anchor = target;
  AttachMode next = mode;
  for (TreeNode* top = branches.computerNode()->firstChild(); top; top = top->nextSibling()) {
    TreeNode* copy = tree.copySubtree(top, anchor, next);
    if (!copy) continue;
    arrived.push_back(copy);
    anchor = copy;
    next = AttachMode::After;
  }
  return arrived;
}

void MarkCutBranches(ConnectionTree& tree) {
  TreeNode* computer = tree.computerNode();
  if (!computer) return;
  int depth = 0;
  int marked = -1;  // the depth of the marked branch being walked, -1 outside one
  for (const TreeNode* node = computer; node; node = NextBelow(computer, node, depth)) {
    if (marked >= 0 && depth > marked)
      tree.setCutMark(const_cast<TreeNode*>(node), true);
    else
      marked = node->hasCutMark() ? depth : -1;
  }
}

std::vector<TreeNode*> MarkedBranches(const ConnectionTree& tree) {
  std::vector<TreeNode*> topmost;
  WalkFlagged(
      tree, [](const TreeNode* node) { return node->hasCutMark(); },
      [&](TreeNode* node, int depth, int top) {
        if (top == depth) topmost.push_back(node);
      });
  return topmost;
}

void NodesArrived(ConnectionTree& tree, const std::vector<TreeNode*>& nodes) {
  if (tree.loading()) return;
  std::vector<TreeNode*> parents;
  for (TreeNode* node : nodes) {
    TreeNode* parent = node->parent();
    if (!parent || std::find(parents.begin(), parents.end(), parent) != parents.end()) continue;
    parents.push_back(parent);
    tree.setExpanded(parent, true);
  }
  for (TreeNode* parent : parents) MakeChildNamesUnique(tree, parent);
  RecomputeLevels(tree);
}

bool DropAllowed(const ConnectionTree& tree, const TreeNode* target, DropPosition position) {
  const TreeNode* current = tree.currentNode();
  if (!target || !current || target == current || target == current->parent() ||
      current->isAncestorOrSelf(target))
    return false;
  // Beside the ComputerNode would make a second top-level node.
  if (target == tree.computerNode() && position != DropPosition::On) return false;
  return position != DropPosition::On || !IsSeparator(target->data);
}

AttachMode DropMode(const TreeNode* target, DropPosition position) {
  switch (position) {
    case DropPosition::Above:
      return AttachMode::Before;
    case DropPosition::On:
      return IsSeparator(target->data) ? AttachMode::After : AttachMode::LastChild;
    case DropPosition::Below:
      return AttachMode::After;
  }
  return AttachMode::After;
}

}  // namespace skelder
