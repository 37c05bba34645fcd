#pragma once
// The tree control VT. It shows the ConnectionTree through a ConnectionTreeModel and
// passes the user's selection, focus and expand/collapse requests on to the tree, which
// keeps that state; changes the program makes to the tree are mirrored back here.
#include <QTreeView>

#include "gui/tree/ConnectionTreeModel.h"

namespace skelder {

class ConnectionTreeView : public QTreeView {
  Q_OBJECT
 public:
  ConnectionTreeView(ConnectionTreeModel& model, QWidget* parent = nullptr);

  ConnectionTreeModel& treeModel() const { return model_; }

 signals:
  void focusedNodeChanged(TreeNode* node);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void userSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void userCurrentChanged(const QModelIndex& current);
  void userExpanded(const QModelIndex& index, bool expanded);
  void mirrorAll();
  void mirrorSelection(const TreeNode* node);
  void mirrorExpansion(const TreeNode* node);
  void mirrorFocus(const TreeNode* node);

  ConnectionTreeModel& model_;
  ConnectionTree& tree_;
  bool mirroring_ = false;
};

}  // namespace skelder
