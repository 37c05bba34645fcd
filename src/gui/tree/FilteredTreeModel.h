#pragma once
// The tree as the filter shows it: a proxy over the ConnectionTreeModel that keeps the
// rows of the nodes the NodeFilter shows. The filter decides in constant time per row
// (it has already worked out which ancestors stay), so Qt's recursive filtering is off.
#include <QSortFilterProxyModel>

#include "core/tree/NodeFilter.h"
#include "gui/tree/ConnectionTreeModel.h"

namespace skelder {

class FilteredTreeModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  FilteredTreeModel(ConnectionTreeModel& source, const NodeFilter& filter, QObject* parent);

  QModelIndex indexOf(const TreeNode* node) const;
  TreeNode* nodeOf(const QModelIndex& index) const;
  // Asks the filter again for every row, after the filter changed.
  void refilter();

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  ConnectionTreeModel& source_;
  const NodeFilter& filter_;
};

}  // namespace skelder
