#include "gui/tree/FilteredTreeModel.h"

namespace skelder {

FilteredTreeModel::FilteredTreeModel(ConnectionTreeModel& source, QObject* parent)
    : QAbstractItemModel(parent), source_(source), tree_(source.tree()) {
  laterRefresh_.setSingleShot(true);
  laterRefresh_.setInterval(0);
  connect(&laterRefresh_, &QTimer::timeout, this, &FilteredTreeModel::refresh);
  using M = QAbstractItemModel;
  connect(&source_, &M::rowsAboutToBeInserted, this, &FilteredTreeModel::structureChanging);
  connect(&source_, &M::rowsAboutToBeRemoved, this, &FilteredTreeModel::structureChanging);
  connect(&source_, &M::rowsAboutToBeMoved, this, &FilteredTreeModel::structureChanging);
  connect(&source_, &M::modelAboutToBeReset, this, &FilteredTreeModel::structureChanging);
  connect(&source_, &M::rowsInserted, this, &FilteredTreeModel::structureChanged);
  connect(&source_, &M::rowsRemoved, this, &FilteredTreeModel::structureChanged);
  connect(&source_, &M::rowsMoved, this, &FilteredTreeModel::structureChanged);
  connect(&source_, &M::modelReset, this, &FilteredTreeModel::structureChanged);
  connect(&source_, &M::dataChanged, this, &FilteredTreeModel::recordsChanged);
  connect(&source_, &ConnectionTreeModel::focusMirrored, this, &FilteredTreeModel::focusMoved);
}

template <typename Change>
void FilteredTreeModel::refilter(Change change) {
  beginResetModel();
  change();
  endResetModel();
}

// A key that leaves the same nodes showing (the first letters of a word that every
// connection holds) only repaints the emphasis: a reset would lay out every shown row.
void FilteredTreeModel::setText(const std::string& typed) {
  laterRefresh_.stop();
  if (FilterWords(typed).empty()) {
    refilter([&] { filter_.clear(); });
  } else if (filter_.readsTreeAgain(tree_)) {
    refilter([&] { filter_.setText(typed, tree_, tree_.focusedNode()); });
  } else if (filter_.prepare(typed, tree_, tree_.focusedNode())) {
    refilter([&] { filter_.commit(); });
  } else {
    filter_.commit();
    emit wordsChanged();
  }
}

void FilteredTreeModel::readAhead() { filter_.readAhead(tree_); }

void FilteredTreeModel::refresh() {
  laterRefresh_.stop();
  refilter([&] { filter_.refresh(tree_, tree_.focusedNode()); });
}

// The nodes the filter holds may be gone once the change is made: the model is reset
// from before the change until the tree has been filtered again.
void FilteredTreeModel::structureChanging() {
  if (changing_) return;
  changing_ = true;
  filter_.treeChanged();
  beginResetModel();
}

void FilteredTreeModel::structureChanged() {
  if (!changing_) return;
  laterRefresh_.stop();
  filter_.refresh(tree_, tree_.focusedNode());
  changing_ = false;
  endResetModel();
}

void FilteredTreeModel::recordsChanged(const QModelIndex& first, const QModelIndex& last) {
  if (changing_) return;
  if (!filter_.active()) {
    filter_.treeChanged();  // what it read ahead is out of date
    return;
  }
  for (const QModelIndex& changed : {first, last}) {
    const QModelIndex shown = indexOf(ConnectionTreeModel::nodeOf(changed));
    if (shown.isValid()) emit dataChanged(shown, shown);
  }
  laterRefresh_.start();
}

// A node the program focuses (a new connection, the target of a search) shows at once,
// so that it can be renamed and seen.
void FilteredTreeModel::focusMoved(const TreeNode* node) {
  if (filter_.active() && !changing_ && node && !filter_.shows(node)) refresh();
}

QModelIndex FilteredTreeModel::indexOf(const TreeNode* node) const {
  if (!node || changing_) return {};
  const int row = filter_.shownRow(node);
  return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<TreeNode*>(node));
}

QModelIndex FilteredTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || changing_) return {};
  TreeNode* node = filter_.shownChild(ConnectionTreeModel::nodeOf(parent), row);
  if (!node) return {};
  tree_.initNode(node);
  return createIndex(row, 0, node);
}

QModelIndex FilteredTreeModel::parent(const QModelIndex& child) const {
  const TreeNode* node = ConnectionTreeModel::nodeOf(child);
  return node ? indexOf(node->parent()) : QModelIndex();
}

int FilteredTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0 || changing_) return 0;
  return filter_.shownChildCount(ConnectionTreeModel::nodeOf(parent));
}

int FilteredTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool FilteredTreeModel::hasChildren(const QModelIndex& parent) const {
  return rowCount(parent) > 0;
}

QVariant FilteredTreeModel::data(const QModelIndex& index, int role) const {
  return source_.data(source_.indexOf(ConnectionTreeModel::nodeOf(index)), role);
}

Qt::ItemFlags FilteredTreeModel::flags(const QModelIndex& index) const {
  return source_.flags(source_.indexOf(ConnectionTreeModel::nodeOf(index)));
}

bool FilteredTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  return source_.setData(source_.indexOf(ConnectionTreeModel::nodeOf(index)), value, role);
}

QStringList FilteredTreeModel::mimeTypes() const { return source_.mimeTypes(); }

Qt::DropActions FilteredTreeModel::supportedDropActions() const {
  return source_.supportedDropActions();
}

}  // namespace skelder
