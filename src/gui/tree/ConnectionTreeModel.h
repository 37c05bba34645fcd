#pragma once
// A Qt item model over the ConnectionTree: one column, the node's text and image. The
// model holds no state of its own; parent and row lookups are the tree's constant-time
// ones. Inside an update batch of the tree the model stops reporting single changes and
// resets once at the end, so that reading a large table costs one view rebuild.
#include <QAbstractItemModel>

#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeObserver.h"

namespace skelder {

class SystemInfo;

class ConnectionTreeModel : public QAbstractItemModel, public TreeObserver {
  Q_OBJECT
 public:
  ConnectionTreeModel(ConnectionTree& tree, const SystemInfo& system, QObject* parent = nullptr);
  ~ConnectionTreeModel() override;

  QModelIndex indexOf(const TreeNode* node) const;
  static TreeNode* nodeOf(const QModelIndex& index);
  ConnectionTree& tree() const { return tree_; }

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
  // After a batch reset: the view re-applies expansion, selection and focus.
  void rebuilt();
  // The user finished renaming a node in place with this text.
  void renameRequested(TreeNode* node, const QString& text);
  void selectionMirrored(const TreeNode* node);
  void expansionMirrored(const TreeNode* node);
  void focusMirrored(const TreeNode* node);

 private:
  // TreeObserver
  void batchBegun() override;
  void batchEnded() override;
  void nodesAboutToBeInserted(const TreeNode* parent, int first, int last) override;
  void nodesInserted(const TreeNode* parent, int first, int last) override;
  void nodesAboutToBeRemoved(const TreeNode* parent, int first, int last) override;
  void nodesRemoved(const TreeNode* parent, int first, int last) override;
  void nodeAboutToBeMoved(const TreeNode* node, const TreeNode* newParent,
                          int destinationRow) override;
  void nodeMoved(const TreeNode* node) override;
  void aboutToBeCleared() override;
  void cleared() override;
  void nodeChanged(const TreeNode* node) override;
  void selectionChanged(const TreeNode* node) override;
  void expansionChanged(const TreeNode* node) override;
  void focusChanged(const TreeNode* node) override;

  QModelIndex parentIndex(const TreeNode* parent) const;

  ConnectionTree& tree_;
  const SystemInfo& system_;
  bool batching_ = false;
};

}  // namespace skelder
