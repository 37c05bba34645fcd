#include <Qsci/qsciscintilla.h>
#include <QMenu>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

using CommandRefreshTest = MainWindowFixture;

TEST_F(CommandRefreshTest, TheContextMenuShowsTheTreeItemsOnlyForTheTree) {
  auto& window = create();
  rVTNodeData data;
  data.Name = "Web";
  data.Level = 1;
  data.Macro = "m";
  TreeNode* web = window.tree().appendChild(window.tree().computerNode(), data);
  window.tree().clearSelection();
  window.tree().setSelected(web, true);
  window.tree().setFocusedNode(web);
  window.show();
  auto* menu = window.findChild<QMenu*>("pmTV");
  auto* addChild = window.findChild<QAction*>("MnAddChildPopup");
  ASSERT_TRUE(menu && addChild);

  window.ShowPage(1);
  window.findChild<QsciScintilla*>("Memo1")->setFocus();
  QApplication::processEvents();
  emit menu->aboutToShow();
  EXPECT_FALSE(addChild->isVisible());

  window.findChild<QTreeView*>("VT")->setFocus();
  QApplication::processEvents();
  emit menu->aboutToShow();
  EXPECT_TRUE(addChild->isVisible());
  EXPECT_TRUE(addChild->isEnabled());
  addChild->trigger();  // gives its command to the main action
  EXPECT_EQ(web->childCount(), 1);
}

TEST_F(CommandRefreshTest, ApplyAndTheTreeCommandsFollowTheState) {
  auto& window = create();
  Commands& c = window.commands();
  window.show();
  window.findChild<QTreeView*>("VT")->setFocus();
  QApplication::processEvents();
  emit window.findChild<QMenu*>("MnConnection")->aboutToShow();
  // Only the ComputerNode: a child may be added, nothing beside it, nothing to delete.
  EXPECT_TRUE(c.addChild->isEnabled());
  EXPECT_FALSE(c.addSibling->isEnabled());
  EXPECT_FALSE(c.deleteSelected->isEnabled());
  EXPECT_FALSE(c.apply->isEnabled());
  EXPECT_FALSE(c.newTable->isEnabled());
  EXPECT_TRUE(c.open->isEnabled());
  window.SetPendingEdits(true);
  emit window.findChild<QMenu*>("MnConnection")->aboutToShow();
  EXPECT_TRUE(c.apply->isEnabled());
  EXPECT_FALSE(c.collapseAll->isEnabled());  // not while Apply is offered
}

}  // namespace skelder::testing
