#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/tree/TreeCommands.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

namespace {

class TreeEditing : public MainWindowFixture {
 protected:
  MainWindow& open() {
    WriteFileBytes(folder.file("tt/teraterm.ini"),
                   "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\nVTBoldColor=7,8,9,10,11,12\r\n"
                   "VTBlinkColor=13,14,15,16,17,18\r\nURLColor=19,20,21,22,23,24\r\n");
    return createShown();
  }
  const std::string kIniColors = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
};

}  // namespace

TEST_F(TreeEditing, AddChildTakesTheFirstFreeNumberAndTheNewConnectionDefaults) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  addConnection("Unnamed connection #1", computer);
  addConnection("Unnamed connection #3", computer);
  focusTree({computer});
  window.settingsPages();  // defaults: schema 7 ("from TeraTerm.ini file"), no logging
  trigger(window.commands().addChild);
  TreeNode* added = window.tree().focusedNode();
  EXPECT_EQ(added->data.Name, "Unnamed connection #2");
  EXPECT_EQ(added->row(), 0);  // the first child
  EXPECT_EQ(added->data.Colors, kIniColors);
  EXPECT_EQ(added->data.StartLogging, 0);
  EXPECT_EQ(window.tree().selectedNodes(), std::vector<TreeNode*>{added});
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
  // The rename starts at once.
  EXPECT_TRUE(window.findChild<QTreeView*>("VT")->findChild<QLineEdit*>("VTEditor"));

  // A child of a connection takes its parent's colours and logging.
  added->data.Colors = BuiltInColorString(2);
  added->data.StartLogging = 1;
  focusTree({added});
  trigger(window.commands().addChild);
  EXPECT_EQ(window.tree().focusedNode()->data.Colors, BuiltInColorString(2));
  EXPECT_EQ(window.tree().focusedNode()->data.StartLogging, 1);
}

TEST_F(TreeEditing, AddingWithPendingEditsSettlesThemFirst) {
  auto& window = open();
  TreeNode* web = addConnection("Web", window.tree().computerNode());
  focusTree({web});
  window.SetPendingEdits(true);
  dialogs.answer("Cancel");
  trigger(window.commands().addSibling);
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel",
                                       "Do you want to apply the changes made to  'Web' ?"}}));
  EXPECT_EQ(window.tree().computerNode()->childCount(), 1);
  EXPECT_TRUE(window.HasPendingEdits());
  dialogs.answer("No");
  trigger(window.commands().addSibling);
  EXPECT_EQ(window.tree().computerNode()->childCount(), 2);
  EXPECT_FALSE(window.HasPendingEdits());
  EXPECT_EQ(web->data.Name, "Web");
}

TEST_F(TreeEditing, DuplicatesTakeTheNextCopyNameAndSeparatorsStaySeparators) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* web = addConnection("Web", computer);
  addConnection("Child", web);
  addConnection("Copy of Web", computer);
  TreeNode* separator = addConnection(SeparatorText, computer);
  focusTree({web});
  trigger(window.commands().duplicate);
  EXPECT_EQ(ChildNames(computer),
            (std::vector<std::string>{"Web", "Copy (2) of Web", "Copy of Web", SeparatorText}));
  EXPECT_EQ(ChildNames(computer->child(1)), std::vector<std::string>{"Child"});
  focusTree({separator});
  trigger(window.commands().duplicate);
  EXPECT_EQ(ChildNames(computer).back(), SeparatorText);
  EXPECT_EQ(ChildNames(computer).size(), 5u);
  EXPECT_EQ(computer->child(4), window.tree().focusedNode());
}

TEST_F(TreeEditing, RenamingTurnsConnectionsIntoSeparatorsAndBack) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* web = addConnection("Web", computer);
  web->data.Macro = "x";
  web->data.Schedule = "=0 * * * *";
  web->data.Colors = BuiltInColorString(1);
  TreeCommands& commands = window.treeCommands();

  dialogs.answer("Yes");
  commands.VTNewText(web, "  ---  ");
  EXPECT_EQ(dialogs.boxes().back(),
            (RecordedBox{"warning", "Yes,No",
                         "Connection 'Web' will be converted into separator line. All associated "
                         "data will be deleted.\r\rDo you want to continue?"}));
  EXPECT_EQ(web->data.Name, SeparatorText);
  EXPECT_EQ(web->data.NodeKind, 3);
  EXPECT_EQ(web->data.Macro + web->data.Schedule, "");
  EXPECT_EQ(web->data.StartLogging, 0);

  // Back to a connection: below the ComputerNode it takes Tera Term's colours.
  commands.VTNewText(web, "Web again");
  EXPECT_EQ(web->data.Name, "Web again");
  EXPECT_EQ(web->data.StartLogging, 1);
  EXPECT_EQ(web->data.Colors, kIniColors);

  // Below a connection a former separator takes that connection's colours.
  TreeNode* inner = addConnection(SeparatorText, web);
  web->data.Colors = BuiltInColorString(3);
  commands.VTNewText(inner, "Inner");
  EXPECT_EQ(inner->data.Colors, BuiltInColorString(3));

  // A connection with children cannot become a separator.
  commands.VTNewText(web, "-");
  EXPECT_EQ(dialogs.boxes().back(),
            WarningBox("Connection 'Web again' cannot be replaced with separator line when it "
                       "has at least one child."));
  EXPECT_EQ(web->data.Name, "Web again");
}

TEST_F(TreeEditing, NamesAreCheckedAgainstTheSiblings) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  addConnection("Mail", computer);
  TreeNode* web = addConnection("Web", computer);
  TreeCommands& commands = window.treeCommands();
  struct Case {
    const char* text;
    const char* box;
  } cases[] = {{"  Mail  ", "Connection name has to be unique among its sibling connections."},
               {"R&D", "Connection name cannot contain '&' character."},
               {" \t ", "Connection name cannot be empty."}};
  for (const auto& c : cases) {
    dialogs.clear();
    commands.VTNewText(web, c.text);
    EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{WarningBox(c.box)}) << c.text;
    EXPECT_EQ(web->data.Name, "Web");
  }
  commands.VTNewText(web, " Www ");
  EXPECT_EQ(web->data.Name, "Www");
}

TEST_F(TreeEditing, DeleteAsksWhatTheSelectionCalls) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  struct Case {
    std::function<void(TreeNode*)> prepare;
    std::string answer;
    std::vector<RecordedBox> boxes;
    bool deleted;
  } cases[] = {
      {[](TreeNode*) {}, "", {}, true},  // no data: no question
      {[](TreeNode* n) { n->data.Macro = "m"; },
       "No",
       {{"warning", "Yes,No",
         "Connection 'Gone' with associated data will be deleted.\rDo you want to continue?"}},
       false},
      {[this, &window](TreeNode* n) { addConnection("Kid", n); },
       "Yes",
       {{"warning", "Yes,No",
         "Connection 'Gone' with all descendants and associated data will be deleted.\rDo you "
         "want to continue?"}},
       true},
      {[](TreeNode* n) { n->data.Name = SeparatorText; }, "", {}, true},
  };
  for (auto& c : cases) {
    dialogs.clear();
    TreeNode* node = addConnection("Gone", computer);
    c.prepare(node);
    focusTree({node});
    if (!c.answer.empty()) dialogs.answer(c.answer);
    trigger(window.commands().deleteSelected);
    EXPECT_EQ(dialogs.boxes(), c.boxes);
    EXPECT_EQ(computer->childCount() == 0, c.deleted);
    if (c.deleted) EXPECT_EQ(window.tree().focusedNode(), computer);
    while (computer->childCount()) window.tree().deleteNodes({computer->firstChild()});
  }

  // Two connections: one question for both.
  addConnection("A", computer);
  addConnection("B", computer);
  window.tree().selectAll();
  window.tree().setSelected(computer, false);
  dialogs.clear();
  dialogs.answer("Yes");
  trigger(window.commands().deleteSelected);
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"confirmation", "Yes,No",
                                       "Deleting 2 connections. All descendant connections will "
                                       "be also deleted.\rDo you want to continue?"}}));
  EXPECT_EQ(computer->childCount(), 0);
}

TEST_F(TreeEditing, WithPendingEditsDeleteOnlyAsksToDiscardThem) {
  auto& window = open();
  TreeNode* web = addConnection("Web", window.tree().computerNode());
  web->data.Macro = "m";
  focusTree({web});
  window.SetPendingEdits(true);
  dialogs.answer("Yes");
  trigger(window.commands().deleteSelected);
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{
                {"warning", "Yes,No", "Do you want to discard all data assosiated with 'Web' ?"}}));
  EXPECT_EQ(window.tree().computerNode()->childCount(), 0);
  EXPECT_FALSE(window.HasPendingEdits());
}

TEST_F(TreeEditing, DeletingANodeAndItsParentFocusesTheNearestSurvivor) {
  auto& window = open();
  TreeNode* top = addConnection("Top", window.tree().computerNode());
  TreeNode* middle = addConnection("Middle", top);
  TreeNode* leaf = addConnection("Leaf", middle);
  focusTree({leaf});
  window.tree().setSelected(middle, true);
  dialogs.answer("Yes");
  trigger(window.commands().deleteSelected);
  EXPECT_EQ(window.tree().focusedNode(), top);
  EXPECT_EQ(top->childCount(), 0);
}

TEST_F(TreeEditing, MoveUpToTheTopDisablesMoveUp) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  addConnection("A", computer);
  TreeNode* b = addConnection("B", computer);
  focusTree({b});
  QTRY_VERIFY_WITH_TIMEOUT(window.commands().moveUp->isEnabled(), 2000);
  trigger(window.commands().moveUp);
  EXPECT_EQ(ChildNames(computer), (std::vector<std::string>{"B", "A"}));
  EXPECT_FALSE(window.commands().moveUp->isEnabled());
  EXPECT_EQ(window.tree().focusedNode(), b);
  trigger(window.commands().moveDown);
  EXPECT_EQ(ChildNames(computer), (std::vector<std::string>{"A", "B"}));
}

TEST_F(TreeEditing, SelectFromRootAndCollapseAll) {
  auto& window = open();
  TreeNode* computer = window.tree().computerNode();
  TreeNode* one = addConnection("One", computer);
  TreeNode* two = addConnection("Two", one);
  TreeNode* three = addConnection("Three", two);
  focusTree({three});
  trigger(window.commands().selectFromRoot);
  EXPECT_EQ(window.tree().selectedNodes(), (std::vector<TreeNode*>{one, two, three}));

  // Collapsing deselects what it hides and leaves the collapsed node selected and current.
  focusTree({three});
  trigger(window.commands().collapseAll);
  EXPECT_TRUE(computer->isExpanded());
  EXPECT_FALSE(one->isExpanded());
  EXPECT_FALSE(two->isExpanded());
  EXPECT_EQ(window.tree().selectedNodes(), std::vector<TreeNode*>{one});
  EXPECT_EQ(window.tree().currentNode(), one);
  trigger(window.commands().expandAll);
  EXPECT_TRUE(two->isExpanded());
}

}  // namespace skelder::testing
