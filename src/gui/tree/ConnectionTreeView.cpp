#include "gui/tree/ConnectionTreeView.h"

#include <QHeaderView>

namespace skelder {

namespace {

// Runs f with the guard set, so the view's own signals are not passed back to the tree.
template <typename F>
void Guarded(bool& guard, F f) {
  const bool old = guard;
  guard = true;
  f();
  guard = old;
}

}  // namespace

ConnectionTreeView::ConnectionTreeView(ConnectionTreeModel& model, QWidget* parent)
    : QTreeView(parent), model_(model), tree_(model.tree()) {
  setObjectName(QStringLiteral("VT"));
  setModel(&model_);
  header()->hide();
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  setExpandsOnDoubleClick(true);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  setIconSize(QSize(16, 18));
  setMinimumWidth(30);

  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ConnectionTreeView::userSelectionChanged);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { userCurrentChanged(current); });
  connect(this, &QTreeView::expanded, this,
          [this](const QModelIndex& i) { userExpanded(i, true); });
  connect(this, &QTreeView::collapsed, this,
          [this](const QModelIndex& i) { userExpanded(i, false); });
  connect(&model_, &ConnectionTreeModel::rebuilt, this, &ConnectionTreeView::mirrorAll);
  connect(&model_, &ConnectionTreeModel::selectionMirrored, this,
          &ConnectionTreeView::mirrorSelection);
  connect(&model_, &ConnectionTreeModel::expansionMirrored, this,
          &ConnectionTreeView::mirrorExpansion);
  connect(&model_, &ConnectionTreeModel::focusMirrored, this, &ConnectionTreeView::mirrorFocus);
}

void ConnectionTreeView::focusInEvent(QFocusEvent* event) { QTreeView::focusInEvent(event); }

void ConnectionTreeView::userSelectionChanged(const QItemSelection& selected,
                                              const QItemSelection& deselected) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    for (const QModelIndex& index : deselected.indexes())
      tree_.setSelected(ConnectionTreeModel::nodeOf(index), false);
    for (const QModelIndex& index : selected.indexes())
      tree_.setSelected(ConnectionTreeModel::nodeOf(index), true);
  });
}

void ConnectionTreeView::userCurrentChanged(const QModelIndex& current) {
  if (mirroring_) return;
  TreeNode* node = ConnectionTreeModel::nodeOf(current);
  Guarded(mirroring_, [&] { tree_.setFocusedNode(node); });
  emit focusedNodeChanged(node);
}

void ConnectionTreeView::userExpanded(const QModelIndex& index, bool expanded) {
  if (mirroring_) return;
  TreeNode* node = ConnectionTreeModel::nodeOf(index);
  bool done = true;
  Guarded(mirroring_, [&] { done = tree_.setExpanded(node, expanded); });
  if (!done) Guarded(mirroring_, [&] { setExpanded(index, node->isExpanded()); });
}

void ConnectionTreeView::mirrorSelection(const TreeNode* node) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    selectionModel()->select(model_.indexOf(node), node->isSelected()
                                                       ? QItemSelectionModel::Select
                                                       : QItemSelectionModel::Deselect);
  });
}

void ConnectionTreeView::mirrorExpansion(const TreeNode* node) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] { setExpanded(model_.indexOf(node), node->isExpanded()); });
}

void ConnectionTreeView::mirrorFocus(const TreeNode* node) {
  if (mirroring_) return;
  Guarded(mirroring_, [&] {
    selectionModel()->setCurrentIndex(model_.indexOf(node), QItemSelectionModel::NoUpdate);
  });
  emit focusedNodeChanged(const_cast<TreeNode*>(node));
}

// After a rebuild the view has forgotten everything: one pass over the tree restores the
// expanded nodes, the selection and the focus.
void ConnectionTreeView::mirrorAll() {
  Guarded(mirroring_, [&] {
    QItemSelection selection;
    for (TreeNode* node = tree_.first(); node; node = tree_.next(node)) {
      if (node->isExpanded()) setExpanded(model_.indexOf(node), true);
      if (node->isSelected()) {
        const QModelIndex index = model_.indexOf(node);
        selection.select(index, index);
      }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(model_.indexOf(tree_.focusedNode()),
                                      QItemSelectionModel::NoUpdate);
  });
  emit focusedNodeChanged(tree_.focusedNode());
}

}  // namespace skelder
