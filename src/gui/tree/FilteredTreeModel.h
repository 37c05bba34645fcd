#pragma once
// The tree as the filter shows it: an item model over the nodes the NodeFilter shows,
// whose indexes carry the TreeNode as the ConnectionTreeModel's do, and which takes its
// texts, images and flags from that model. The filter has worked out the shown children
// of each shown node, so every lookup is a constant-time one.
//
// It follows the tree: a change of the tree's structure (insert, remove, move, a new
// table) filters the tree again at once and resets this model; a changed record shows at
// once and is filtered again on the next turn of the event loop (a cut of a large branch
// changes many records in a row). The focused node always shows, so that the node the
// user works on never disappears under the filter, and a node the program focuses is
// shown at once.
#include <QAbstractItemModel>
#include <QTimer>

#include "core/tree/NodeFilter.h"
#include "gui/tree/ConnectionTreeModel.h"

namespace skelder {

class FilteredTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  FilteredTreeModel(ConnectionTreeModel& source, QObject* parent);

  const NodeFilter& filter() const { return filter_; }
  // Filters by the typed text (bytes in the 8-bit code page).
  void setText(const std::string& typed);
  // Filters the tree again at once (a changed record otherwise waits a turn).
  void refresh();
  // Reads the tree before the first text (NodeFilter::readAhead).
  void readAhead();

  QModelIndex indexOf(const TreeNode* node) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QStringList mimeTypes() const override;
  Qt::DropActions supportedDropActions() const override;

 signals:
  // Other words, the same nodes shown: only the emphasis in the names changed.
  void wordsChanged();

 private:
  void structureChanging();
  void structureChanged();
  void recordsChanged(const QModelIndex& first, const QModelIndex& last);
  void focusMoved(const TreeNode* node);
  template <typename Change>
  void refilter(Change change);

  ConnectionTreeModel& source_;
  ConnectionTree& tree_;
  NodeFilter filter_;
  QTimer laterRefresh_;
  bool changing_ = false;
};

}  // namespace skelder
