#include "gui/tree/ConnectionTreeModel.h"

#include "core/tree/NodeDisplay.h"
#include "gui/tree/EditCommands.h"
#include "gui/tree/TreeImages.h"
#include "gui/ui/LocalText.h"

namespace skelder {

ConnectionTreeModel::ConnectionTreeModel(ConnectionTree& tree, const SystemInfo& system,
                                         QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), system_(system) {
  tree_.addObserver(this);
}

ConnectionTreeModel::~ConnectionTreeModel() { tree_.removeObserver(this); }

TreeNode* ConnectionTreeModel::nodeOf(const QModelIndex& index) {
  return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ConnectionTreeModel::indexOf(const TreeNode* node) const {
  if (!node) return {};
  return createIndex(node->row(), 0, const_cast<TreeNode*>(node));
}

QModelIndex ConnectionTreeModel::parentIndex(const TreeNode* parent) const {
  return parent ? indexOf(parent) : QModelIndex();
}

QModelIndex ConnectionTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  const TreeNode* parentNode = nodeOf(parent);
  TreeNode* node = parentNode ? parentNode->child(row) : tree_.topLevel(row);
  if (!node) return {};
  // A node shown for the first time takes its level from its place in the tree.
  tree_.initNode(node);
  return createIndex(row, 0, node);
}

QModelIndex ConnectionTreeModel::parent(const QModelIndex& child) const {
  const TreeNode* node = nodeOf(child);
  return node ? parentIndex(node->parent()) : QModelIndex();
}

int ConnectionTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  const TreeNode* node = nodeOf(parent);
  return node ? node->childCount() : tree_.topLevelCount();
}

int ConnectionTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool ConnectionTreeModel::hasChildren(const QModelIndex& parent) const {
  return rowCount(parent) > 0;
}

QVariant ConnectionTreeModel::data(const QModelIndex& index, int role) const {
  const TreeNode* node = nodeOf(index);
  if (!node) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return FromLocal(VTGetText(tree_, *node, system_));
    case Qt::DecorationRole: {
      const auto image = VTGetImageIndex(tree_, *node);
      if (!image) return {};
      return TreeImages().at(static_cast<size_t>(*image));
    }
    default:
      return {};
  }
}

Qt::ItemFlags ConnectionTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
         Qt::ItemIsDropEnabled;
}

QStringList ConnectionTreeModel::mimeTypes() const { return {EditCommands::BranchesMimeType()}; }

Qt::DropActions ConnectionTreeModel::supportedDropActions() const {
  return Qt::MoveAction | Qt::CopyAction;
}

bool ConnectionTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  TreeNode* node = nodeOf(index);
  if (!node || role != Qt::EditRole) return false;
  emit renameRequested(node, value.toString());
  return true;
}

void ConnectionTreeModel::batchBegun() {
  batching_ = true;
  beginResetModel();
}

void ConnectionTreeModel::batchEnded() {
  endResetModel();
  batching_ = false;
  emit rebuilt();
}

void ConnectionTreeModel::nodesAboutToBeInserted(const TreeNode* parent, int first, int last) {
  if (!batching_) beginInsertRows(parentIndex(parent), first, last);
}

void ConnectionTreeModel::nodesInserted(const TreeNode*, int, int) {
  if (!batching_) endInsertRows();
}

void ConnectionTreeModel::nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) {
  if (!batching_) beginRemoveRows(parentIndex(parent), first, last);
}

void ConnectionTreeModel::nodesRemoved(const TreeNode*, int, int) {
  if (!batching_) endRemoveRows();
}

void ConnectionTreeModel::nodeAboutToBeMoved(const TreeNode* node, const TreeNode* newParent,
                                             int destinationRow) {
  if (batching_) return;
  const QModelIndex from = parentIndex(node->parent());
  beginMoveRows(from, node->row(), node->row(), parentIndex(newParent), destinationRow);
}

void ConnectionTreeModel::nodeMoved(const TreeNode*) {
  if (!batching_) endMoveRows();
}

void ConnectionTreeModel::aboutToBeCleared() {
  if (!batching_) beginResetModel();
}

void ConnectionTreeModel::cleared() {
  if (!batching_) {
    endResetModel();
    emit rebuilt();
  }
}

void ConnectionTreeModel::nodeChanged(const TreeNode* node) {
  if (batching_) return;
  const QModelIndex index = indexOf(node);
  emit dataChanged(index, index);
}

void ConnectionTreeModel::selectionChanged(const TreeNode* node) {
  if (!batching_) emit selectionMirrored(node);
}

void ConnectionTreeModel::expansionChanged(const TreeNode* node) {
  if (!batching_) emit expansionMirrored(node);
}

void ConnectionTreeModel::focusChanged(const TreeNode* node) {
  if (!batching_) emit focusMirrored(node);
}

}  // namespace skelder
