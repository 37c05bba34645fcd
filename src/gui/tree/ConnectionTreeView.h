#pragma once
// The tree control VT. It shows the ConnectionTree through a ConnectionTreeModel and
// passes the user's selection, focus and expand/collapse requests on to the tree, which
// keeps that state; changes the program makes to the tree are mirrored back here.
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "gui/tree/ConnectionTreeModel.h"

class QItemSelectionModel;

namespace skelder {

class FilteredTreeModel;
class NodeFilter;

class ConnectionTreeView : public QTreeView {
  Q_OBJECT
 public:
  ConnectionTreeView(ConnectionTreeModel& model, QWidget* parent = nullptr);

  ConnectionTreeModel& treeModel() const { return model_; }

  // Asked before the user moves the focus to another node; false keeps the old node.
  std::function<bool(TreeNode*)> focusChangeAllowed;
  // Starts the in-place rename of the node at once (as F2 does).
  void startRename(const TreeNode* node);
  // Until Timer7 fires after the tree got the focus, a click does not start a rename.
  QTimer* Timer7() const { return timer7_; }

  // Shows the tree as the filter shows it, every shown node expanded; null shows the
  // whole tree again with the expansion the tree keeps. While the filter is on, the
  // user's expanding and collapsing stays in the view and never reaches the tree.
  void showFiltered(FilteredTreeModel* filtered);
  bool filtering() const { return filtered_ != nullptr; }
  // The node's row in the view (invalid when the filter hides it), and the node of a row.
  QModelIndex viewIndex(const TreeNode* node) const;
  static TreeNode* nodeAt(const QModelIndex& index) { return ConnectionTreeModel::nodeOf(index); }
  // The filter whose words the view emphasises in the shown names (null without one).
  const NodeFilter* filter() const;

 signals:
  void focusedNodeChanged(TreeNode* node);
  void nodeCollapsed(TreeNode* node);
  void editorCreated(QWidget* editor);
  void dragStarted();
  // Nodes of this tree dropped at the target (copies when copy is true).
  void nodesDropped(TreeNode* target, int position, bool copy);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void startDrag(Qt::DropActions supportedActions) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void userSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void userCurrentChanged(const QModelIndex& current);
  void userExpanded(const QModelIndex& index, bool expanded);
  void mirrorAll(bool announceFocus);
  void mirrorSelection(const TreeNode* node);
  void mirrorExpansion(const TreeNode* node);
  void mirrorFocus(const TreeNode* node);
  void watchSelection(QItemSelectionModel* selection);

  ConnectionTreeModel& model_;
  FilteredTreeModel* filtered_ = nullptr;
  ConnectionTree& tree_;
  bool mirroring_ = false;
  QTimer* timer7_;
};

}  // namespace skelder
