// The filter box over the tree: what shows while it filters, the expansion the user had
// when it ends, the keyboard, and editing the tree under a filter.
#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/EditCommands.h"
#include "gui/tree/TreeCommands.h"
#include "gui/tree/TreeFilterBar.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

namespace {

class TreeFilter : public MainWindowFixture {
 protected:
  // Servers(web1, db1, Lab(web-lab)), a separator line, Routers; Servers is expanded and
  // Lab collapsed.
  MainWindow& open() {
    auto& window = createShown();
    QApplication::setActiveWindow(&window);
    ConnectionTree& tree = window.tree();
    computer = tree.computerNode();
    servers = addConnection("Servers", computer);
    web1 = addConnection("web1", servers, "connect 'web1:22 /ssh'");
    db1 = addConnection("db1", servers, "connect 'db1:22'");
    lab = addConnection("Lab", servers);
    labWeb = addConnection("web-lab", lab);
    tree.setExpanded(lab, false);
    addConnection("-", computer, "web");
    routers = addConnection("Routers", computer, "; the web of routers");
    view = window.findChild<QTreeView*>("VT");
    box = window.findChild<QLineEdit*>("VTFilter");
    bar = window.findChild<TreeFilterBar*>();
    return window;
  }
  void type(const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
  }
  // The rows the view shows, in order and indented by depth; "+" marks an expanded row
  // (one with rows below it).
  std::string Rows(const QModelIndex& parent = {}, int depth = 0) {
    std::string rows;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
      const QModelIndex index = model->index(row, 0, parent);
      const QString text = model->data(index, Qt::DisplayRole).toString();
      const bool open = model->rowCount(index) > 0 && view->isExpanded(index);
      rows += std::string(static_cast<std::size_t>(depth), ' ') +
              (depth == 0 ? std::string("*") : text.toStdString()) + (open ? "+" : "") + "\n";
      if (open) rows += Rows(index, depth + 1);
    }
    return rows;
  }
  // Whether the view shows the node, and the tree's own expanded flags of the folders.
  std::string TreeExpansion() {
    return std::string(computer->isExpanded() ? "*+" : "*") +
           (servers->isExpanded() ? " S+" : " S") + (lab->isExpanded() ? " L+" : " L");
  }

  TreeNode* computer;
  TreeNode* servers;
  TreeNode* web1;
  TreeNode* db1;
  TreeNode* lab;
  TreeNode* labWeb;
  TreeNode* routers;
  QTreeView* view;
  QLineEdit* box;
  TreeFilterBar* bar;
};

}  // namespace

TEST_F(TreeFilter, ShowsTheMatchesWithTheirAncestorsExpandedAndHidesSeparators) {
  open();
  ASSERT_TRUE(box && bar);
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n  db1\n  Lab\n -\n Routers\n");
  type("WEB");
  // Lab opens for its match, the separator with "web" in its macro hides, Routers
  // matches by its macro.
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n  Lab+\n   web-lab\n Routers\n");
  type("web ssh");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n");
  type("nothing at all");
  EXPECT_EQ(Rows(), "*\n");
  type("database");  // no match: the ComputerNode stays
  EXPECT_EQ(Rows(), "*\n");
}

TEST_F(TreeFilter, EndingTheFilterRestoresTheExpansionTheUserHad) {
  open();
  const std::string before = Rows();
  const std::string expansion = TreeExpansion();
  type("lab");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  Lab+\n   web-lab\n");
  // Collapsing under the filter stays in the view; the tree's own flags never change.
  view->collapse(view->model()->index(0, 0, view->model()->index(0, 0)));
  EXPECT_EQ(Rows(), "*+\n Servers\n");
  EXPECT_EQ(TreeExpansion(), expansion);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(box->text(), "");
  EXPECT_TRUE(view->hasFocus());
  EXPECT_EQ(Rows(), before);
  EXPECT_EQ(TreeExpansion(), expansion);
  // Emptying the box by hand ends it the same way.
  type("lab");
  type("");
  EXPECT_EQ(Rows(), before);
}

TEST_F(TreeFilter, CtrlEPutsTheKeyboardInTheBoxAndEscapeGivesItBack) {
  auto& window = open();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(box->hasFocus());
  QTest::keyClicks(box, "db");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  db1\n");
  QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);  // again: the text is selected
  EXPECT_EQ(box->selectedText(), "db");
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_TRUE(view->hasFocus());
  EXPECT_EQ(box->text(), "");
}

TEST_F(TreeFilter, HiddenNodesLeaveTheSelectionAndTheFocusedNodeStays) {
  auto& window = open();
  focusTree({db1, routers, web1});
  type("routers");
  // web1 is focused and stays shown; db1 is hidden and no longer selected.
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n Routers\n");
  EXPECT_FALSE(db1->isSelected());
  EXPECT_TRUE(routers->isSelected());
  EXPECT_TRUE(web1->isSelected());
  EXPECT_EQ(window.tree().selectedCount(), 2);
  EXPECT_EQ(window.tree().focusedNode(), web1);
  // A click on a row under the filter reaches that row's node.
  const QModelIndex routersRow = view->model()->index(1, 0, view->model()->index(0, 0));
  const QRect rect = view->visualRect(routersRow);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(rect.right() - 4, rect.center().y()));
  EXPECT_EQ(window.tree().focusedNode(), routers);
  EXPECT_EQ(window.tree().selectedNodes(), std::vector<TreeNode*>{routers});
}

TEST_F(TreeFilter, TypingAFilterKeepsTheUnappliedEditsOfTheFocusedNode) {
  auto& window = open();
  focusTree({web1});
  auto* memo = window.findChild<QsciScintilla*>("Memo1");
  window.ShowPage(1);
  memo->setFocus();
  memo->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
  QTest::keyClicks(memo->viewport(), "\rsendln 'x'");
  ASSERT_TRUE(window.HasPendingEdits());
  const QString edited = memo->text();
  type("db");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n  db1\n");
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(memo->text(), edited);
  EXPECT_TRUE(window.HasPendingEdits());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TreeFilter, ADropUnderTheFilterGoesToTheRealPlace) {
  open();
  type("web");
  focusTree({web1});
  auto* tree = window->findChild<ConnectionTreeView*>("VT");
  emit tree->dragStarted();
  emit tree->nodesDropped(routers, 2 /* below */, false);
  EXPECT_EQ(ChildNames(computer), (std::vector<std::string>{"Servers", "-", "Routers", "web1"}));
  EXPECT_EQ(ChildNames(servers), (std::vector<std::string>{"db1", "Lab"}));
  EXPECT_EQ(Rows(), "*+\n Servers+\n  Lab+\n   web-lab\n Routers\n web1\n");
}

TEST_F(TreeFilter, WhatTheBoxReadAheadFollowsChangesBeforeTheFirstKey) {
  auto& window = open();
  bar->focusBox();  // the filter reads the tree now
  web1->data.Name = "gateway";
  window.tree().notifyChanged(web1);
  type("gateway");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  gateway\n");
  QTest::keyClick(box, Qt::Key_Escape);
  bar->focusBox();
  rVTNodeData data;
  data.Name = "gateway-lab";
  data.Level = 3;
  window.tree().appendChild(lab, data);
  type("gateway");
  EXPECT_EQ(Rows(), "*+\n Servers+\n  gateway\n  Lab+\n   gateway-lab\n");
}

TEST_F(TreeFilter, MovesWorkOnTheRealPositionsAndTheViewFollows) {
  auto& window = open();
  type("web");
  focusTree({lab});
  trigger(window.commands().moveUp);
  EXPECT_EQ(ChildNames(servers), (std::vector<std::string>{"web1", "Lab", "db1"}));
  EXPECT_EQ(Rows(), "*+\n Servers+\n  web1\n  Lab+\n   web-lab\n Routers\n");
  trigger(window.commands().moveUp);
  EXPECT_EQ(ChildNames(servers), (std::vector<std::string>{"Lab", "web1", "db1"}));
  EXPECT_EQ(Rows(), "*+\n Servers+\n  Lab+\n   web-lab\n  web1\n Routers\n");
  EXPECT_EQ(window.tree().focusedNode(), lab);
}

TEST_F(TreeFilter, PastedAndRenamedNodesShowAfterTheRefresh) {
  auto& window = open();
  type("web");
  focusTree({web1});
  window.editCommands().CopyCommand();
  focusTree({servers});
  window.editCommands().PasteCommand();
  // Pasted onto its parent: the copy takes the name, the original becomes "Copy of".
  EXPECT_EQ(ChildNames(servers), (std::vector<std::string>{"web1", "Copy of web1", "db1", "Lab"}));
  // The refresh waits for the next turn of the event loop.
  const std::string pasted =
      "*+\n Servers+\n  web1\n  Copy of web1\n  Lab+\n   web-lab\n Routers\n";
  for (int i = 0; i < 50 && Rows() != pasted; ++i) QTest::qWait(10);
  EXPECT_EQ(Rows(), pasted);
  // A node renamed so that it no longer matches stays while it is the focused one.
  TreeNode* copy = servers->child(0);
  focusTree({copy});
  copy->data.Name = "mail1";
  copy->data.Macro.clear();
  window.tree().notifyChanged(copy);
  // A changed record shows at once and is filtered again on the next turn.
  EXPECT_EQ(Rows(), "*+\n Servers+\n  mail1\n  Copy of web1\n  Lab+\n   web-lab\n Routers\n");
  QTest::qWait(20);
  EXPECT_EQ(Rows(), "*+\n Servers+\n  mail1\n  Copy of web1\n  Lab+\n   web-lab\n Routers\n");
  focusTree({routers});
  bar->refreshNow();  // what the next turn does
  EXPECT_EQ(Rows(), "*+\n Servers+\n  Copy of web1\n  Lab+\n   web-lab\n Routers\n");
}

TEST_F(TreeFilter, AConnectionAddedUnderTheFilterShowsForItsRename) {
  auto& window = open();
  type("web");
  focusTree({servers});
  trigger(window.commands().addChild);
  TreeNode* added = window.tree().focusedNode();
  ASSERT_EQ(added->parent(), servers);
  EXPECT_EQ(Rows(),
            "*+\n Servers+\n  " + added->data.Name + "\n  web1\n  Lab+\n   web-lab\n Routers\n");
  EXPECT_TRUE(view->findChild<QLineEdit*>("VTEditor"));
}

TEST_F(TreeFilter, ATableOpenedUnderTheFilterIsFiltered) {
  auto& window = open();
  ConnectionTree other;
  ResetTree(other);
  auto record = [](const char* name, int level) {
    rVTNodeData data;
    data.Name = name;
    data.Level = level;
    return data;
  };
  TreeNode* gateway = other.appendChild(other.computerNode(), record("Gateway", 1));
  other.appendChild(gateway, record("web9", 2));
  other.appendChild(other.computerNode(), record("mail", 1));
  std::string bytes;
  EncodeTable(other, true, bytes);
  const std::string path = table("Other.SKD", bytes);
  type("web");
  ResetTree(window.tree());
  ASSERT_TRUE(window.document().OpenFile(path));
  EXPECT_EQ(Rows(), "*+\n Gateway+\n  web9\n");
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(Rows().find("mail") != std::string::npos, true);
}

}  // namespace skelder::testing
