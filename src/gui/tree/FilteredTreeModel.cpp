#include "gui/tree/FilteredTreeModel.h"

namespace skelder {

FilteredTreeModel::FilteredTreeModel(ConnectionTreeModel& source, const NodeFilter& filter,
                                     QObject* parent)
    : QSortFilterProxyModel(parent), source_(source), filter_(filter) {
  setDynamicSortFilter(false);
  setRecursiveFilteringEnabled(false);
  setSourceModel(&source_);
}

QModelIndex FilteredTreeModel::indexOf(const TreeNode* node) const {
  return mapFromSource(source_.indexOf(node));
}

TreeNode* FilteredTreeModel::nodeOf(const QModelIndex& index) const {
  return ConnectionTreeModel::nodeOf(mapToSource(index));
}

void FilteredTreeModel::refilter() { invalidateFilter(); }

bool FilteredTreeModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  const TreeNode* parent = ConnectionTreeModel::nodeOf(sourceParent);
  const ConnectionTree& tree = source_.tree();
  const TreeNode* node = parent ? parent->child(sourceRow) : tree.topLevel(sourceRow);
  return node && filter_.shows(node);
}

}  // namespace skelder
