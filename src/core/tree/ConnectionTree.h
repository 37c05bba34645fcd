#pragma once
// The connection tree: an ordered tree of TreeNodes below an invisible root, whose one
// top-level node is the ComputerNode, and the values that belong to the tree as a whole.
//
// Where state lives. The tree is the only source of truth for everything the program
// decides by: structure, records, the selection (a flag per node and its count), the
// focused node, the expanded flag per node, the cut-or-copy mark, CurrentNode, Loading,
// CutPending and SelectedNodeIndex. A view (the gui's item model and tree widget) keeps
// none of it as its own: it shows the tree, forwards the user's clicks, key presses and
// expand/collapse requests to the tree (setSelected, setFocusedNode, setExpanded) and
// mirrors the tree's state from the TreeObserver calls. Its selection model and expanded
// set are thus projections of the flags kept here, never consulted by the program.
// This keeps the file, editing and clipboard algorithms testable without a window.
//
// Cost. parent(), row(), child(row) and childCount() are constant time, so an item
// model over the tree needs no lookups of its own. Nodes stay at the same address for
// their lifetime (internal pointers of the item model stay valid across moves). The
// pre-order index is cached: appending at the end of the pre-order (what the readers do)
// keeps it valid; other structural changes renumber the tree once on the next query.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "core/tree/TreeNode.h"

namespace skelder {

class TreeObserver;

// Where an inserted, moved or copied node goes, relative to a target node.
enum class AttachMode { Before, After, FirstChild, LastChild };

class ConnectionTree {
 public:
  ConnectionTree();
  ~ConnectionTree();
  ConnectionTree(const ConnectionTree&) = delete;
  ConnectionTree& operator=(const ConnectionTree&) = delete;

  // --- Structure and pre-order ---------------------------------------------------
  int topLevelCount() const;
  TreeNode* topLevel(int row) const;
  // Every node, the ComputerNode included.
  int nodeCount() const { return nodeCount_; }
  TreeNode* first() const;
  TreeNode* next(const TreeNode* node) const;
  TreeNode* previous(const TreeNode* node) const;
  // The deepest last descendant of the last top-level node.
  TreeNode* last() const;
  // The first node after the node's subtree in pre-order; null when none follows.
  TreeNode* afterSubtree(const TreeNode* node) const;
  // 0 for the first node; -1 for no node.
  int preorderIndex(const TreeNode* node) const;
  TreeNode* nodeAt(int preorderIndex) const;

  // --- Changing the structure ----------------------------------------------------
  // The tree has exactly one top-level node, the ComputerNode, which is never moved,
  // copied or deleted (only clear() removes it). Operations that would break this rule
  // do nothing and return null or false.

  // Appends the ComputerNode to an empty tree; null when the tree is not empty.
  TreeNode* addComputerNode();
  // A new node with the given record, placed relative to the target.
  TreeNode* insert(TreeNode* target, AttachMode mode, rVTNodeData data = {});
  TreeNode* appendChild(TreeNode* parent, rVTNodeData data = {}) {
    return insert(parent, AttachMode::LastChild, std::move(data));
  }
  // A copy of the node and its subtree (records only: not selected, collapsed, unmarked).
  TreeNode* copySubtree(const TreeNode* node, TreeNode* target, AttachMode mode);
  TreeNode* copySubtreeAfter(TreeNode* node) { return copySubtree(node, node, AttachMode::After); }
  // Moves the node with its subtree; refuses a place inside the node's own subtree.
  bool move(TreeNode* node, TreeNode* target, AttachMode mode);
  // Moves or copies a set of nodes, keeping their pre-order; a node whose ancestor is in
  // the set travels with it. Returns every node that arrived (the moved nodes or the
  // copies), in order.
  std::vector<TreeNode*> moveNodes(const std::vector<TreeNode*>& nodes, TreeNode* target,
                                   AttachMode mode);
  std::vector<TreeNode*> copyNodes(const std::vector<TreeNode*>& nodes, TreeNode* target,
                                   AttachMode mode);
  // Deletes the nodes with their subtrees (the ComputerNode is skipped). References to
  // deleted nodes (CurrentNode, the focused node) become null.
  void deleteNodes(const std::vector<TreeNode*>& nodes);
  void deleteSelected();
  // Removes every node, the ComputerNode included.
  void clear();

  // --- The record ------------------------------------------------------------------
  // Runs VTInitNode once for the node (after its ancestors).
  void initNode(TreeNode* node);
  // Tells observers that the node's record changed.
  void notifyChanged(const TreeNode* node);

  // --- Selection, focus, expansion, cut-or-copy marks --------------------------------
  void setSelected(TreeNode* node, bool selected);
  int selectedCount() const { return selectedCount_; }
  std::vector<TreeNode*> selectedNodes() const;  // in pre-order
  void clearSelection();
  void selectAll();
  TreeNode* focusedNode() const { return focused_; }
  void setFocusedNode(TreeNode* node);
  // False when an observer refused the collapse.
  bool setExpanded(TreeNode* node, bool expanded);
  // The node and all its descendants.
  void expandAll(TreeNode* node);
  void collapseAll(TreeNode* node);
  void setCutMark(TreeNode* node, bool marked);
  void clearCutMarks();

  // --- Tree-wide values --------------------------------------------------------------
  TreeNode* computerNode() const { return computer_; }
  TreeNode* currentNode() const { return current_; }
  void setCurrentNode(TreeNode* node);
  bool loading() const { return loading_; }
  void setLoading(bool loading) { loading_ = loading; }
  bool cutPending() const { return cutPending_; }
  void setCutPending(bool pending) { cutPending_ = pending; }
  std::int32_t selectedNodeIndex() const { return selectedNodeIndex_; }
  void setSelectedNodeIndex(std::int32_t index) { selectedNodeIndex_ = index; }

  // --- Update batches and observers ------------------------------------------------
  void beginUpdate();
  void endUpdate();
  bool updating() const { return updateDepth_ > 0; }
  void addObserver(TreeObserver* observer);
  void removeObserver(TreeObserver* observer);

 private:
  struct Place {
    TreeNode* parent = nullptr;  // the root for top-level places
    int row = 0;
  };
  bool placeFor(const TreeNode* target, AttachMode mode, Place& place) const;
  void link(std::unique_ptr<TreeNode> node, const Place& place);
  std::unique_ptr<TreeNode> unlink(TreeNode* node);
  static std::unique_ptr<TreeNode> copyOf(const TreeNode& source, int& size);
  TreeNode* insertCopy(std::unique_ptr<TreeNode> copy, int size, TreeNode* target, AttachMode mode);
  std::vector<TreeNode*> topmostInPreorder(const std::vector<TreeNode*>& nodes) const;
  bool endsPreorder(const TreeNode* parent) const;
  void forgetSubtree(TreeNode* node, bool& currentLost, bool& focusLost);
  void renumber(TreeNode* parent, int fromRow);
  void rebuildOrder() const;
  void invalidateOrder() const;
  const TreeNode* parentForObservers(const TreeNode* parent) const;
  template <typename Call>
  void tell(Call call) const;

  std::unique_ptr<TreeNode> root_;
  int nodeCount_ = 0;
  int selectedCount_ = 0;
  TreeNode* computer_ = nullptr;
  TreeNode* current_ = nullptr;
  TreeNode* focused_ = nullptr;
  bool loading_ = false;
  bool cutPending_ = false;
  std::int32_t selectedNodeIndex_ = 0;
  int updateDepth_ = 0;
  std::vector<TreeObserver*> observers_;
  mutable std::vector<TreeNode*> order_;  // nodes by pre-order index
  mutable bool orderValid_ = true;
};

}  // namespace skelder
