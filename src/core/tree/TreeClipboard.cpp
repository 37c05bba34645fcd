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

// The selected nodes whose ancestors are not selected too, in pre-order.
std::vector<TreeNode*> TopmostSelected(const ConnectionTree& tree) {
  std::vector<TreeNode*> topmost;
  for (TreeNode* node : tree.selectedNodes()) {
    if (node == tree.computerNode()) continue;
    bool inside = false;
    for (TreeNode* up = node->parent(); up && !inside; up = up->parent()) inside = up->isSelected();
    if (!inside) topmost.push_back(node);
  }
  return topmost;
}

}  // namespace

std::string EncodeBranches(const ConnectionTree& tree) {
  std::string records;
  std::int32_t count = 0;
  for (TreeNode* top : TopmostSelected(tree)) {
    const int base = top->depth();
    const TreeNode* end = top->nextSibling();
    for (const TreeNode* up = top; !end && up; up = up->parent()) end = up->nextSibling();
    for (TreeNode* node = top; node && node != end; node = tree.next(node)) {
      VTSaveNode(records, node->data, node->depth() - base + 1);
      ++count;
    }
  }
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
  for (TreeNode* node = tree.first(); node; node = tree.next(node)) {
    if (!node->hasCutMark()) continue;
    for (TreeNode* below = tree.next(node); below && node->isAncestorOrSelf(below);
         below = tree.next(below))
      if (!below->hasCutMark()) tree.setCutMark(below, true);
  }
}

std::vector<TreeNode*> MarkedBranches(const ConnectionTree& tree) {
  std::vector<TreeNode*> topmost;
  for (TreeNode* node = tree.first(); node; node = tree.next(node)) {
    if (!node->hasCutMark() || node == tree.computerNode()) continue;
    bool inside = false;
    for (TreeNode* up = node->parent(); up && !inside; up = up->parent()) inside = up->hasCutMark();
    if (!inside) topmost.push_back(node);
  }
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
