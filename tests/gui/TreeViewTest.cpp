#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "gui/tree/ConnectionTreeModel.h"

namespace skelder::testing {

namespace {

// A table of top-level connections, each with children, written by the real writer.
std::string WriteBigTable(const std::string& path, int topLevel, int children) {
  ConnectionTree tree;
  ResetTree(tree);
  for (int i = 0; i < topLevel; ++i) {
    rVTNodeData data;
    data.Name = "Gateway " + std::to_string(i);
    data.Level = 1;
    data.Macro = "connect+%27host" + std::to_string(i) + "%27";
    TreeNode* parent = tree.appendChild(tree.computerNode(), data);
    for (int j = 0; j < children; ++j) {
      rVTNodeData child;
      child.Name = "Host " + std::to_string(j);
      child.Level = 2;
      tree.appendChild(parent, child);
    }
  }
  std::string bytes;
  EncodeTable(tree, true, bytes);
  WriteFileBytes(path, bytes);
  return path;
}

}  // namespace

using TreeView = MainWindowFixture;

TEST_F(TreeView, ALargeTableArrivesInOneModelReset) {
  const std::string path = WriteBigTable(folder.file("Big.SKD"), 10000, 9);  // 100,000 nodes
  auto& window = create();
  auto* view = window.findChild<QTreeView*>("VT");
  auto* model = qobject_cast<ConnectionTreeModel*>(view->model());
  QSignalSpy resets(model, &QAbstractItemModel::modelReset);
  QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
  dialogs.answer("file:" + path);
  window.document().Open();
  EXPECT_EQ(resets.count(), 2);  // the reset of New and the read
  EXPECT_EQ(inserts.count(), 0);
  EXPECT_EQ(window.tree().nodeCount(), 100001);
  const QModelIndex computer = model->index(0, 0);
  EXPECT_EQ(model->rowCount(computer), 10000);
  const QModelIndex last = model->index(9999, 0, computer);
  EXPECT_EQ(model->data(last, Qt::DisplayRole).toString(), "Gateway 9999");
  EXPECT_EQ(model->parent(model->index(8, 0, last)), last);
}

TEST_F(TreeView, TheComputerNodeNamesTheMachineAndNodesShowTheirNames) {
  auto& window = create();
  ConnectionTree& tree = window.tree();
  rVTNodeData data;
  data.Name = "Router";
  data.Level = 1;
  tree.appendChild(tree.computerNode(), data);
  auto* view = window.findChild<QTreeView*>("VT");
  auto* model = view->model();
  const QModelIndex computer = model->index(0, 0);
  EXPECT_EQ(model->data(computer, Qt::DisplayRole).toString(), "This computer (HOST)");
  EXPECT_EQ(model->data(model->index(0, 0, computer), Qt::DisplayRole).toString(), "Router");
}

TEST_F(TreeView, SelectionFocusAndExpansionTravelBetweenViewAndTree) {
  auto& window = create();
  ConnectionTree& tree = window.tree();
  rVTNodeData data;
  data.Level = 1;
  data.Name = "A";
  TreeNode* a = tree.appendChild(tree.computerNode(), data);
  data.Name = "B";
  TreeNode* b = tree.appendChild(tree.computerNode(), data);
  data.Level = 2;
  data.Name = "B1";
  tree.appendChild(b, data);
  auto* view = window.findChild<QTreeView*>("VT");
  auto* model = view->model();
  const QModelIndex computer = model->index(0, 0);
  const QModelIndex indexB = model->index(1, 0, computer);

  // The user's clicks reach the tree.
  view->selectionModel()->setCurrentIndex(indexB, QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(tree.focusedNode(), b);
  EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{b});
  view->expand(indexB);
  EXPECT_TRUE(b->isExpanded());

  // The program's changes reach the view.
  tree.setSelected(a, true);
  EXPECT_TRUE(view->selectionModel()->isSelected(model->index(0, 0, computer)));
  tree.setExpanded(b, false);
  EXPECT_FALSE(view->isExpanded(indexB));
  tree.setFocusedNode(a);
  EXPECT_EQ(view->currentIndex(), model->index(0, 0, computer));
}

}  // namespace skelder::testing
