#include "core/tree/ConnectionTree.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/tree/TreeLevels.h"
#include "core/tree/TreeObserver.h"

namespace skelder {

ConnectionTree::ConnectionTree() : root_(std::make_unique<TreeNode>()) {
  root_->isRoot_ = true;
  root_->expanded_ = true;
}

ConnectionTree::~ConnectionTree() = default;

template <typename Call>
void ConnectionTree::tell(Call call) const {
  // By index: an observer may remove itself while it is told.
  for (std::size_t i = 0; i < observers_.size(); ++i) call(*observers_[i]);
}

const TreeNode* ConnectionTree::parentForObservers(const TreeNode* parent) const {
  return parent == root_.get() ? nullptr : parent;
}

// --- Structure and pre-order -----------------------------------------------------------

int ConnectionTree::topLevelCount() const { return root_->childCount(); }

TreeNode* ConnectionTree::topLevel(int row) const { return root_->child(row); }

TreeNode* ConnectionTree::first() const { return root_->firstChild(); }

TreeNode* ConnectionTree::next(const TreeNode* node) const {
  if (!node) return nullptr;
  if (!node->children_.empty()) return node->children_.front().get();
  return afterSubtree(node);
}

TreeNode* ConnectionTree::afterSubtree(const TreeNode* node) const {
  for (; node && !node->isRoot_; node = node->parent_)
    if (TreeNode* sibling = node->nextSibling()) return sibling;
  return nullptr;
}

TreeNode* ConnectionTree::previous(const TreeNode* node) const {
  if (!node) return nullptr;
  TreeNode* sibling = node->previousSibling();
  if (!sibling) return node->parent();
  while (TreeNode* child = sibling->lastChild()) sibling = child;
  return sibling;
}

TreeNode* ConnectionTree::last() const {
  TreeNode* node = root_.get();
  while (TreeNode* child = node->lastChild()) node = child;
  return node == root_.get() ? nullptr : node;
}

void ConnectionTree::invalidateOrder() const {
  orderValid_ = false;
  order_.clear();
}

void ConnectionTree::rebuildOrder() const {
  order_.clear();
  order_.reserve(static_cast<std::size_t>(nodeCount_));
  for (TreeNode* node = first(); node; node = next(node)) {
    node->preorder_ = static_cast<int>(order_.size());
    order_.push_back(node);
  }
  orderValid_ = true;
}

int ConnectionTree::preorderIndex(const TreeNode* node) const {
  if (!node) return -1;
  if (!orderValid_) rebuildOrder();
  return node->preorder_;
}

TreeNode* ConnectionTree::nodeAt(int preorderIndex) const {
  if (!orderValid_) rebuildOrder();
  if (preorderIndex < 0 || preorderIndex >= static_cast<int>(order_.size())) return nullptr;
  return order_[static_cast<std::size_t>(preorderIndex)];
}

// Whether a new last child of the parent is the last node in pre-order: the parent must
// lie on the path from the root to the present last node. The walk up from that node
// is as long as the climb the readers make to find the parent.
bool ConnectionTree::endsPreorder(const TreeNode* parent) const {
  if (parent == root_.get() || order_.empty()) return true;
  for (const TreeNode* node = order_.back(); node && !node->isRoot_; node = node->parent_)
    if (node == parent) return true;
  return false;
}

// --- Changing the structure ------------------------------------------------------------

void ConnectionTree::renumber(TreeNode* parent, int fromRow) {
  auto& children = parent->children_;
  for (std::size_t i = static_cast<std::size_t>(fromRow); i < children.size(); ++i)
    children[i]->row_ = static_cast<int>(i);
}

void ConnectionTree::link(std::unique_ptr<TreeNode> node, const Place& place) {
  node->parent_ = place.parent;
  auto& children = place.parent->children_;
  children.insert(children.begin() + place.row, std::move(node));
  renumber(place.parent, place.row);
}

std::unique_ptr<TreeNode> ConnectionTree::unlink(TreeNode* node) {
  TreeNode* parent = node->parent_;
  auto& children = parent->children_;
  const int row = node->row_;
  std::unique_ptr<TreeNode> owned = std::move(children[static_cast<std::size_t>(row)]);
  children.erase(children.begin() + row);
  renumber(parent, row);
  owned->parent_ = nullptr;
  return owned;
}

bool ConnectionTree::placeFor(const TreeNode* target, AttachMode mode, Place& place) const {
  if (!target || target->isRoot_) return false;
  switch (mode) {
    case AttachMode::Before:
    case AttachMode::After:
      // Nothing may stand beside the ComputerNode.
      if (!target->parent()) return false;
      place.parent = target->parent_;
      place.row = target->row_ + (mode == AttachMode::After ? 1 : 0);
      return true;
    case AttachMode::FirstChild:
      place.parent = const_cast<TreeNode*>(target);
      place.row = 0;
      return true;
    case AttachMode::LastChild:
      place.parent = const_cast<TreeNode*>(target);
      place.row = target->childCount();
      return true;
  }
  return false;
}

TreeNode* ConnectionTree::addComputerNode() {
  if (!root_->children_.empty()) return nullptr;
  auto node = std::make_unique<TreeNode>();
  TreeNode* raw = node.get();
  tell([&](TreeObserver& o) { o.nodesAboutToBeInserted(nullptr, 0, 0); });
  link(std::move(node), Place{root_.get(), 0});
  ++nodeCount_;
  computer_ = raw;
  invalidateOrder();
  tell([&](TreeObserver& o) { o.nodesInserted(nullptr, 0, 0); });
  return raw;
}

TreeNode* ConnectionTree::insert(TreeNode* target, AttachMode mode, rVTNodeData data) {
  Place place;
  if (!placeFor(target, mode, place)) return nullptr;
  const bool atEnd =
      orderValid_ && place.row == place.parent->childCount() && endsPreorder(place.parent);
  auto node = std::make_unique<TreeNode>();
  node->data = std::move(data);
  TreeNode* raw = node.get();
  const TreeNode* parent = parentForObservers(place.parent);
  tell([&](TreeObserver& o) { o.nodesAboutToBeInserted(parent, place.row, place.row); });
  link(std::move(node), place);
  ++nodeCount_;
  if (atEnd) {
    raw->preorder_ = static_cast<int>(order_.size());
    order_.push_back(raw);
  } else {
    invalidateOrder();
  }
  tell([&](TreeObserver& o) { o.nodesInserted(parent, place.row, place.row); });
  return raw;
}

// A detached copy of the node's subtree (records and initialised flags), made without
// recursion; size counts its nodes.
std::unique_ptr<TreeNode> ConnectionTree::copyOf(const TreeNode& source, int& size) {
  auto copy = std::make_unique<TreeNode>();
  copy->data = source.data;
  copy->initialized_ = source.initialized_;
  size = 1;
  std::vector<std::pair<const TreeNode*, TreeNode*>> pending{{&source, copy.get()}};
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    to->children_.reserve(from->children_.size());
    for (const auto& child : from->children_) {
      auto twin = std::make_unique<TreeNode>();
      twin->data = child->data;
      twin->initialized_ = child->initialized_;
      twin->parent_ = to;
      twin->row_ = child->row_;
      pending.emplace_back(child.get(), twin.get());
      to->children_.push_back(std::move(twin));
      ++size;
    }
  }
  return copy;
}

TreeNode* ConnectionTree::insertCopy(std::unique_ptr<TreeNode> copy, int size, TreeNode* target,
                                     AttachMode mode) {
  Place place;
  if (!placeFor(target, mode, place)) return nullptr;
  TreeNode* raw = copy.get();
  const TreeNode* parent = parentForObservers(place.parent);
  tell([&](TreeObserver& o) { o.nodesAboutToBeInserted(parent, place.row, place.row); });
  link(std::move(copy), place);
  nodeCount_ += size;
  invalidateOrder();
  tell([&](TreeObserver& o) { o.nodesInserted(parent, place.row, place.row); });
  return raw;
}

TreeNode* ConnectionTree::copySubtree(const TreeNode* node, TreeNode* target, AttachMode mode) {
  Place place;
  if (!node || node == computer_ || node->isRoot_ || !placeFor(target, mode, place)) return nullptr;
  int size = 0;
  auto copy = copyOf(*node, size);
  return insertCopy(std::move(copy), size, target, mode);
}

bool ConnectionTree::move(TreeNode* node, TreeNode* target, AttachMode mode) {
  if (!node || !node->parent() || !target || node->isAncestorOrSelf(target)) return false;
  Place place;
  if (!placeFor(target, mode, place)) return false;
  const int oldRow = node->row_;
  if (place.parent == node->parent_ && (place.row == oldRow || place.row == oldRow + 1))
    return true;  // already there
  const TreeNode* newParent = parentForObservers(place.parent);
  tell([&](TreeObserver& o) { o.nodeAboutToBeMoved(node, newParent, place.row); });
  const bool sameParent = place.parent == node->parent_;
  auto owned = unlink(node);
  if (sameParent && place.row > oldRow) --place.row;
  link(std::move(owned), place);
  invalidateOrder();
  tell([&](TreeObserver& o) { o.nodeMoved(node); });
  return true;
}

// The nodes without an ancestor among them (they travel with it), without the
// ComputerNode, in pre-order.
std::vector<TreeNode*> ConnectionTree::topmostInPreorder(
    const std::vector<TreeNode*>& nodes) const {
  std::unordered_set<const TreeNode*> listed;
  for (TreeNode* node : nodes)
    if (node && node != computer_ && !node->isRoot_) listed.insert(node);
  // Whether a node or one of its ancestors is listed, remembered for every node passed
  // on the way up, so that the walks stay linear in the tree whatever its depth.
  std::unordered_map<const TreeNode*, bool> covered;
  std::vector<const TreeNode*> path;
  std::vector<TreeNode*> result;
  for (const TreeNode* node : listed) {
    bool inside = false;
    path.clear();
    for (const TreeNode* up = node->parent(); up; up = up->parent()) {
      if (const auto known = covered.find(up); known != covered.end()) {
        inside = known->second;
        break;
      }
      if (listed.count(up)) {
        inside = true;
        break;
      }
      path.push_back(up);
    }
    for (const TreeNode* passed : path) covered.emplace(passed, inside);
    if (!inside) result.push_back(const_cast<TreeNode*>(node));
  }
  std::sort(result.begin(), result.end(), [this](const TreeNode* a, const TreeNode* b) {
    return preorderIndex(a) < preorderIndex(b);
  });
  return result;
}

// Before and LastChild keep the target as the anchor; After and FirstChild place each
// following node after the one placed before it, so the set keeps its order.
static void AdvanceAnchor(TreeNode*& anchor, AttachMode& mode, TreeNode* placed) {
  if (mode == AttachMode::After || mode == AttachMode::FirstChild) {
    anchor = placed;
    mode = AttachMode::After;
  }
}

std::vector<TreeNode*> ConnectionTree::moveNodes(const std::vector<TreeNode*>& nodes,
                                                 TreeNode* target, AttachMode mode) {
  std::vector<TreeNode*> arrived;
  TreeNode* anchor = target;
  for (TreeNode* node : topmostInPreorder(nodes)) {
    if (node->isAncestorOrSelf(target)) continue;
    if (!move(node, anchor, mode)) continue;
    arrived.push_back(node);
    AdvanceAnchor(anchor, mode, node);
  }
  return arrived;
}

std::vector<TreeNode*> ConnectionTree::copyNodes(const std::vector<TreeNode*>& nodes,
                                                 TreeNode* target, AttachMode mode) {
  // All copies are made before any is placed, so none copies another.
  std::vector<std::pair<std::unique_ptr<TreeNode>, int>> copies;
  for (TreeNode* node : topmostInPreorder(nodes)) {
    int size = 0;
    auto copy = copyOf(*node, size);
    copies.emplace_back(std::move(copy), size);
  }
  std::vector<TreeNode*> arrived;
  TreeNode* anchor = target;
  for (auto& [copy, size] : copies) {
    TreeNode* placed = insertCopy(std::move(copy), size, anchor, mode);
    if (!placed) continue;
    arrived.push_back(placed);
    AdvanceAnchor(anchor, mode, placed);
  }
  return arrived;
}

void ConnectionTree::forgetSubtree(TreeNode* node, bool& currentLost, bool& focusLost) {
  const TreeNode* end = afterSubtree(node);
  for (TreeNode* n = node; n && n != end; n = next(n)) {
    --nodeCount_;
    if (n->selected_) --selectedCount_;
    if (n == current_) {
      current_ = nullptr;
      currentLost = true;
    }
    if (n == focused_) {
      focused_ = nullptr;
      focusLost = true;
    }
  }
}

void ConnectionTree::deleteNodes(const std::vector<TreeNode*>& nodes) {
  // Grouped by parent, the parents in the pre-order of their first deleted child.
  std::vector<std::pair<TreeNode*, std::vector<int>>> rowsByParent;
  std::unordered_map<const TreeNode*, std::size_t> group;
  for (TreeNode* node : topmostInPreorder(nodes)) {
    const auto [it, added] = group.try_emplace(node->parent_, rowsByParent.size());
    if (added) rowsByParent.emplace_back(node->parent_, std::vector<int>());
    rowsByParent[it->second].second.push_back(node->row_);
  }
  if (rowsByParent.empty()) return;
  bool currentLost = false;
  bool focusLost = false;
  for (auto& [parent, rows] : rowsByParent) {
    std::sort(rows.begin(), rows.end());
    const TreeNode* observed = parentForObservers(parent);
    // Runs of adjacent rows, from the last run backwards, so that rows told to the
    // observers stay valid.
    std::size_t end = rows.size();
    while (end > 0) {
      std::size_t begin = end - 1;
      while (begin > 0 && rows[begin - 1] == rows[begin] - 1) --begin;
      const int first = rows[begin];
      const int last = rows[end - 1];
      tell([&](TreeObserver& o) { o.nodesAboutToBeRemoved(observed, first, last); });
      for (int row = first; row <= last; ++row)
        forgetSubtree(parent->children_[static_cast<std::size_t>(row)].get(), currentLost,
                      focusLost);
      auto& children = parent->children_;
      children.erase(children.begin() + first, children.begin() + last + 1);
      renumber(parent, first);
      invalidateOrder();
      tell([&](TreeObserver& o) { o.nodesRemoved(observed, first, last); });
      end = begin;
    }
  }
  if (focusLost) tell([](TreeObserver& o) { o.focusChanged(nullptr); });
  if (currentLost) tell([](TreeObserver& o) { o.currentNodeChanged(nullptr); });
}

void ConnectionTree::deleteSelected() { deleteNodes(selectedNodes()); }

void ConnectionTree::clear() {
  tell([](TreeObserver& o) { o.aboutToBeCleared(); });
  root_->children_.clear();
  nodeCount_ = 0;
  selectedCount_ = 0;
  computer_ = nullptr;
  current_ = nullptr;
  focused_ = nullptr;
  invalidateOrder();
  orderValid_ = true;  // an empty order is a valid one
  tell([](TreeObserver& o) { o.cleared(); });
}

// --- The record ------------------------------------------------------------------------

void ConnectionTree::initNode(TreeNode* node) {
  std::vector<TreeNode*> chain;
  for (TreeNode* n = node; n && !n->initialized_; n = n->parent()) chain.push_back(n);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    TreeNode* n = *it;
    const TreeNode* parent = n->parent();
    VTInitNode(parent ? &parent->data : nullptr, n->data);
    n->initialized_ = true;
  }
}

void ConnectionTree::notifyChanged(const TreeNode* node) {
  if (node) tell([&](TreeObserver& o) { o.nodeChanged(node); });
}

// --- Selection, focus, expansion, cut-or-copy marks ----------------------------------------

void ConnectionTree::setSelected(TreeNode* node, bool selected) {
  if (!node || node->isRoot_ || node->selected_ == selected) return;
  node->selected_ = selected;
  selectedCount_ += selected ? 1 : -1;
  tell([&](TreeObserver& o) { o.selectionChanged(node); });
}

std::vector<TreeNode*> ConnectionTree::selectedNodes() const {
  std::vector<TreeNode*> result;
  result.reserve(static_cast<std::size_t>(selectedCount_));
  for (TreeNode* node = first(); node && static_cast<int>(result.size()) < selectedCount_;
       node = next(node))
    if (node->selected_) result.push_back(node);
  return result;
}

void ConnectionTree::clearSelection() {
  for (TreeNode* node = first(); node && selectedCount_ > 0; node = next(node))
    setSelected(node, false);
}

void ConnectionTree::selectAll() {
  for (TreeNode* node = first(); node; node = next(node)) setSelected(node, true);
}

void ConnectionTree::setFocusedNode(TreeNode* node) {
  if (node == focused_) return;
  focused_ = node;
  tell([&](TreeObserver& o) { o.focusChanged(node); });
}

bool ConnectionTree::setExpanded(TreeNode* node, bool expanded) {
  if (!node || node->isRoot_) return false;
  if (node->expanded_ == expanded) return true;
  if (!expanded) {
    bool allowed = true;
    tell([&](TreeObserver& o) { allowed = o.collapseAllowed(node) && allowed; });
    if (!allowed) return false;
  }
  node->expanded_ = expanded;
  tell([&](TreeObserver& o) { o.expansionChanged(node); });
  return true;
}

void ConnectionTree::expandAll(TreeNode* node) {
  const TreeNode* end = afterSubtree(node);
  for (TreeNode* n = node; n && n != end; n = next(n))
    if (!n->children_.empty()) setExpanded(n, true);
}

void ConnectionTree::collapseAll(TreeNode* node) {
  const TreeNode* end = afterSubtree(node);
  for (TreeNode* n = node; n && n != end; n = next(n))
    if (n->expanded_) setExpanded(n, false);
}

void ConnectionTree::setCutMark(TreeNode* node, bool marked) {
  if (!node || node->isRoot_ || node->cutMark_ == marked) return;
  node->cutMark_ = marked;
  tell([&](TreeObserver& o) { o.nodeChanged(node); });
}

void ConnectionTree::clearCutMarks() {
  for (TreeNode* node = first(); node; node = next(node)) setCutMark(node, false);
}

// --- Tree-wide values and batches --------------------------------------------------------

void ConnectionTree::setCurrentNode(TreeNode* node) {
  if (node == current_) return;
  current_ = node;
  tell([&](TreeObserver& o) { o.currentNodeChanged(node); });
}

void ConnectionTree::beginUpdate() {
  if (updateDepth_++ == 0) tell([](TreeObserver& o) { o.batchBegun(); });
}

void ConnectionTree::endUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) tell([](TreeObserver& o) { o.batchEnded(); });
}

void ConnectionTree::addObserver(TreeObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void ConnectionTree::removeObserver(TreeObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace skelder
