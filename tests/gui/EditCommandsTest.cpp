#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "gui/properties/SchedulePage.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/EditCommands.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

namespace {

using EditCommandsTest = MainWindowFixture;

}  // namespace

TEST_F(EditCommandsTest, ACutBranchIsGreyUntilPastedAndThenMoves) {
  auto& window = createShown();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* a = addConnection("A", computer);
  TreeNode* a1 = addConnection("A1", a);
  TreeNode* b = addConnection("B", computer);
  focusTree({a});
  window.editCommands().CutCommand();
  EXPECT_TRUE(window.tree().cutPending());
  EXPECT_TRUE(a->hasCutMark());
  EXPECT_TRUE(a1->hasCutMark());
  EXPECT_EQ(window.editCommands().cutSource(), a);

  focusTree({b});
  window.editCommands().PasteCommand();
  EXPECT_EQ(ChildNames(computer), std::vector<std::string>{"B"});
  EXPECT_EQ(ChildNames(b), std::vector<std::string>{"A"});
  EXPECT_EQ(b->firstChild(), a);  // the node itself moved
  EXPECT_EQ(a1->data.Level, 3);
  EXPECT_FALSE(a->hasCutMark());
  EXPECT_FALSE(window.tree().cutPending());
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
}

TEST_F(EditCommandsTest, ACopyPastedOntoItsParentRenamesTheOriginal) {
  auto& window = createShown();
  TreeNode* parent = addConnection("P", window.tree().computerNode());
  addConnection("X", parent);
  TreeNode* web = addConnection("Web", parent);
  focusTree({web});
  window.editCommands().CopyCommand();
  EXPECT_FALSE(window.tree().cutPending());
  focusTree({parent});
  window.editCommands().PasteCommand();
  EXPECT_EQ(ChildNames(parent), (std::vector<std::string>{"Web", "X", "Copy of Web"}));
}

TEST_F(EditCommandsTest, TextPastedIntoAScheduleFieldIsCorrected) {
  auto& window = createShown();
  TreeNode* web = addConnection("Web", window.tree().computerNode());
  web->data.Macro = "m";
  web->data.Schedule = "=0 8 * * *";
  focusTree({web});
  window.ShowNodeProperties();
  window.ShowPage(4);
  QLineEdit* hour = window.schedulePage().scheduleFields[1];
  hour->setFocus();
  hour->selectAll();
  QApplication::clipboard()->setText("-5");
  window.editCommands().PasteCommand();
  EXPECT_EQ(hour->text().toStdString(), "0");
  EXPECT_TRUE(window.HasPendingEdits());
}

// The schedule fields and the Add buttons open pmTV, whose Paste corrects the field as the
// Edit menu's does (the field's own menu would not).
TEST_F(EditCommandsTest, TheScheduleFieldsAndTheAddButtonsOpenTheSharedContextMenu) {
  auto& window = createShown();
  TreeNode* web = addConnection("Web", window.tree().computerNode());
  web->data.Macro = "m";
  web->data.Schedule = "=0 8 * * *";
  focusTree({web});
  window.ShowPage(4);
  auto* pmTV = window.findChild<QMenu*>("pmTV");
  ASSERT_TRUE(pmTV);
  std::vector<QWidget*> targets(window.schedulePage().scheduleFields.begin(),
                                window.schedulePage().scheduleFields.end());
  targets.push_back(window.findChild<QWidget*>("BtnAddChild"));
  targets.push_back(window.findChild<QWidget*>("BtnAddSibling"));
  for (QWidget* target : targets) {
    ASSERT_TRUE(target);
    EXPECT_EQ(target->contextMenuPolicy(), Qt::CustomContextMenu)
        << target->objectName().toStdString();
    emit target->customContextMenuRequested(QPoint(1, 1));
    EXPECT_TRUE(pmTV->isVisible()) << target->objectName().toStdString();
    pmTV->hide();
  }

  QLineEdit* hour = window.schedulePage().scheduleFields[1];
  hour->setFocus();
  hour->selectAll();
  QApplication::clipboard()->setText("-5");
  emit hour->customContextMenuRequested(QPoint(1, 1));
  QAction* paste = nullptr;
  for (QAction* item : pmTV->actions())
    if (item->objectName() == QLatin1String("MnPaste")) paste = item;
  ASSERT_TRUE(paste);
  // A click on the item closes the menu, and the field has the focus again.
  pmTV->hide();
  hour->setFocus();
  window.RefreshCommandsNow();
  hour->selectAll();
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(hour->text().toStdString(), "0");
  EXPECT_TRUE(window.HasPendingEdits());
}

TEST_F(EditCommandsTest, CopyIsNotOfferedWithTheComputerNodeSelected) {
  auto& window = createShown();
  addConnection("Web", window.tree().computerNode());
  focusTree({window.tree().computerNode()});
  window.RefreshCommandsNow();
  QTRY_VERIFY_WITH_TIMEOUT(!window.commands().copy->isEnabled(), 1000);
  QTest::qWait(250);
  EXPECT_FALSE(window.commands().copy->isEnabled());
  EXPECT_FALSE(window.commands().cut->isEnabled());
}

TEST_F(EditCommandsTest, SelectAllSelectsTheWholeTree) {
  auto& window = createShown();
  TreeNode* web = addConnection("Web", window.tree().computerNode());
  addConnection("Inner", web);
  focusTree({web});
  window.editCommands().SelectAllCommand();
  EXPECT_EQ(window.tree().selectedCount(), 3);
}

TEST_F(EditCommandsTest, DroppedNodesMoveOrCopyAndTakeUniqueNames) {
  auto& window = createShown();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* a = addConnection("A", computer);
  TreeNode* b = addConnection("B", computer);
  addConnection("A", b);
  focusTree({a});
  auto* view = window.findChild<ConnectionTreeView*>("VT");
  emit view->dragStarted();
  emit view->nodesDropped(b, 1 /* on */, false);
  EXPECT_EQ(ChildNames(computer), std::vector<std::string>{"B"});
  EXPECT_EQ(ChildNames(b), (std::vector<std::string>{"A", "Copy of A"}));
  focusTree({b->child(0)});
  emit view->nodesDropped(b, 2 /* below */, true);  // a copy, with Ctrl held
  EXPECT_EQ(ChildNames(computer), (std::vector<std::string>{"B", "A"}));
}

TEST_F(EditCommandsTest, ClickingAnIconAddsItsNodeToTheSelection) {
  auto& window = createShown();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* a = addConnection("A", computer);
  TreeNode* b = addConnection("B", computer);
  focusTree({a});
  auto* view = window.findChild<QTreeView*>("VT");
  const QModelIndex index = view->model()->index(b->row(), 0, view->model()->index(0, 0));
  const QRect rect = view->visualRect(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(rect.left() + 8, rect.center().y()));
  EXPECT_EQ(window.tree().selectedNodes(), (std::vector<TreeNode*>{a, b}));
  EXPECT_EQ(window.tree().focusedNode(), b);
}

}  // namespace skelder::testing
