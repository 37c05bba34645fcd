#include <Qsci/qsciscintilla.h>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/base/Clock.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PopupPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/SchedulePage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/Commands.h"
#include "gui/ui/StatusPanels.h"

namespace skelder::testing {

namespace {

class PropertyPagesTest : public MainWindowFixture {
 protected:
  PropertyPagesTest() : clock(LocalTime{2026, 12, 8, 21, 5, 9, 0, 2}) {}

  MainWindow& open() {
    auto& window = create();
    context->clock = &clock;
    ConnectionTree& tree = window.tree();
    rVTNodeData web;
    web.Name = "Web";
    web.Level = 1;
    web.Macro = EncodeNodeText("\r\n\r\nconnect 'web'\r\n\r\n", true);
    web.Popup = EncodeNodeText("  note  ", true);
    web.StartLogging = 1;
    nodeWeb = tree.appendChild(tree.computerNode(), web);
    rVTNodeData mail;
    mail.Name = "Mail";
    mail.Level = 1;
    nodeMail = tree.appendChild(tree.computerNode(), mail);
    rVTNodeData separator;
    separator.Name = "----- separator line -----";
    separator.Level = 1;
    nodeSeparator = tree.appendChild(tree.computerNode(), separator);
    tree.setExpanded(tree.computerNode(), true);
    window.show();
    return window;
  }
  // As the user does it: a click on the node in the tree.
  void click(MainWindow& window, TreeNode* node) {
    auto* view = window.findChild<QTreeView*>("VT");
    const QModelIndex computer = view->model()->index(0, 0);
    view->selectionModel()->setCurrentIndex(view->model()->index(node->row(), 0, computer),
                                            QItemSelectionModel::ClearAndSelect);
  }
  // Typing in the macro editor as the user does.
  void type(MainWindow& window, const char* text) {
    auto* memo = window.findChild<QsciScintilla*>("Memo1");
    window.ShowPage(1);
    memo->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(memo->hasFocus());
    memo->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    QTest::keyClicks(memo->viewport(), text);
  }

  FixedClock clock;
  TreeNode* nodeWeb = nullptr;
  TreeNode* nodeMail = nullptr;
  TreeNode* nodeSeparator = nullptr;
};

}  // namespace

TEST_F(PropertyPagesTest, PagesAreCoveredUnlessOneConnectionIsFocused) {
  auto& window = open();
  struct Case {
    std::vector<TreeNode*> selected;
    TreeNode* focused;
    std::string text;
  } cases[] = {
      {{window.tree().computerNode()}, window.tree().computerNode(), "Node not selected"},
      {{nodeSeparator}, nodeSeparator, "Node not selected"},
      {{nodeWeb, nodeMail}, nodeMail, "Multiple nodes selected"},
      {{}, nodeWeb, "Node not selected"},
      {{nodeWeb}, nodeWeb, ""},
  };
  for (const auto& c : cases) {
    window.tree().clearSelection();
    for (TreeNode* node : c.selected) window.tree().setSelected(node, true);
    window.tree().setFocusedNode(c.focused);
    window.ShowNodeProperties();
    for (int page = 1; page <= 5; ++page) {
      window.ShowPage(page);
      CoverablePage* shown[] = {&window.macroPage(), &window.popupPage(), &window.colorsPage(),
                                &window.schedulePage(), &window.previewPage()};
      EXPECT_EQ(shown[page - 1]->isCovered(), !c.text.empty()) << c.text << " page " << page;
      if (!c.text.empty()) EXPECT_EQ(shown[page - 1]->panelText().toStdString(), c.text);
    }
    EXPECT_EQ(window.macroPage().TS1bPanel->isVisibleTo(&window.macroPage()), c.text.empty());
  }
  // Without colour support the colour page is always covered, and says why.
  window.settingsPages().macroEditor().cbNoColors->setChecked(true);
  window.ShowNodeProperties();
  window.ShowPage(3);
  EXPECT_TRUE(window.colorsPage().isCovered());
  EXPECT_EQ(window.colorsPage().panelText(), "Color support is disabled");
}

TEST_F(PropertyPagesTest, TheMacroIsShownAndStoredTrimmed) {
  auto& window = open();
  selectNodes({nodeWeb});
  EXPECT_EQ(window.macroPage().Memo1->text(), "connect 'web'");
  EXPECT_EQ(window.popupPage().Memo2->text(), "  note  ");  // the popup is shown as stored
  EXPECT_TRUE(window.macroPage().cbLogSession->isChecked());
  EXPECT_FALSE(window.HasPendingEdits());  // loading is no edit

  type(window, "\r");
  EXPECT_TRUE(window.HasPendingEdits());
  EXPECT_EQ(window.statusPanels().text(3), "Modified");
  window.Apply();
  EXPECT_EQ(nodeWeb->data.Macro, EncodeNodeText("connect 'web'", true));
  EXPECT_EQ(nodeWeb->data.Popup, "note");
  EXPECT_EQ(nodeWeb->data.NodeKind, 2);
  EXPECT_EQ(nodeWeb->data.LastUpdated, "Tuesday, 08-Dec-2026 21:05:09");
  EXPECT_EQ(window.statusPanels().text(1), "  Last updated: Tuesday, 08-Dec-2026 21:05:09");
  EXPECT_FALSE(window.HasPendingEdits());
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
}

TEST_F(PropertyPagesTest, CancelInTheFocusQuestionKeepsTheOldNodeAndItsEdits) {
  auto& window = open();
  click(window, nodeWeb);
  type(window, "sendln 'x'");
  ASSERT_TRUE(window.HasPendingEdits());
  const QString edited = window.macroPage().Memo1->text();

  dialogs.answer("Cancel");
  click(window, nodeMail);
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel",
                                       "Do you want to apply the changes made to  'Web' ?"}}));
  EXPECT_EQ(window.tree().focusedNode(), nodeWeb);
  EXPECT_EQ(window.tree().selectedNodes(), std::vector<TreeNode*>{nodeWeb});
  EXPECT_EQ(window.macroPage().Memo1->text(), edited);
  EXPECT_TRUE(window.HasPendingEdits());

  dialogs.answer("No");
  click(window, nodeMail);
  EXPECT_EQ(window.tree().focusedNode(), nodeMail);
  EXPECT_FALSE(window.HasPendingEdits());
  EXPECT_EQ(window.macroPage().Memo1->text(), "");
  EXPECT_EQ(nodeWeb->data.Macro, EncodeNodeText("\r\n\r\nconnect 'web'\r\n\r\n", true));
}

TEST_F(PropertyPagesTest, ApplyWorksFromEveryPlace) {
  auto& window = open();
  auto* menu = window.findChild<QMenu*>("MnConnection");
  auto* popup = window.findChild<QMenu*>("pmTV");
  ASSERT_TRUE(menu && popup);
  auto findApply = [](QMenu* m) {
    for (QAction* a : m->actions())
      if (a->text() == "Apply changes") return a;
    return static_cast<QAction*>(nullptr);
  };
  const std::function<void()> places[] = {
      [&] { window.findChild<QToolButton*>("BtnApply")->click(); },
      [&] { QTest::keyClick(window.macroPage().Memo1, Qt::Key_F12); },
      [&] { findApply(menu)->trigger(); },
      [&] { findApply(popup)->trigger(); },
  };
  int round = 0;
  for (const auto& apply : places) {
    click(window, nodeWeb);
    type(window, "x");
    window.RefreshCommandsNow();
    ASSERT_TRUE(window.commands().apply->isEnabled()) << round;
    apply();
    EXPECT_FALSE(window.HasPendingEdits()) << round;
    EXPECT_NE(DecodeNodeText(nodeWeb->data.Macro).find(std::string(round + 1, 'x')),
              std::string::npos)
        << round;
    ++round;
  }
}

TEST_F(PropertyPagesTest, CollapsingTheBranchOfPendingEditsAsksFirst) {
  auto& window = open();
  ConnectionTree& tree = window.tree();
  rVTNodeData child;
  child.Name = "Inner";
  child.Level = 2;
  TreeNode* inner = tree.appendChild(nodeWeb, child);
  tree.setExpanded(nodeWeb, true);
  selectNodes({inner});
  window.SetPendingEdits(true);
  dialogs.answer("Cancel");
  EXPECT_FALSE(tree.setExpanded(nodeWeb, false));
  EXPECT_TRUE(nodeWeb->isExpanded());
  EXPECT_EQ(dialogs.boxes().back().text, "Do you want to apply the changes made to  'Inner' ?");
  dialogs.answer("No");
  EXPECT_TRUE(tree.setExpanded(nodeWeb, false));
  EXPECT_FALSE(window.HasPendingEdits());
}

}  // namespace skelder::testing

namespace skelder::testing {

TEST_F(PropertyPagesTest, TheScheduleIsCorrectedOnApplyAndByVerifyValues) {
  auto& window = open();
  nodeWeb->data.Schedule = "=0 8 * * 1,2,3,4,5";
  selectNodes({nodeWeb});
  SchedulePage& pages = window.schedulePage();
  window.ShowPage(4);
  std::vector<std::string> shown;
  for (QLineEdit* field : pages.scheduleFields) shown.push_back(field->text().toStdString());
  EXPECT_EQ(shown, (std::vector<std::string>{"0", "8", "*", "*", "1,2,3,4,5"}));
  EXPECT_TRUE(pages.cbSchedule->isChecked());
  EXPECT_FALSE(pages.bValidate->isEnabled());

  // Typing: other characters are dropped, a star makes the whole field "*".
  QLineEdit* minute = pages.scheduleFields[0];
  minute->setFocus();
  minute->clear();
  QTest::keyClicks(minute, "7a5");
  EXPECT_EQ(minute->text().toStdString(), "75");
  EXPECT_TRUE(window.HasPendingEdits());
  EXPECT_TRUE(pages.bValidate->isEnabled());
  QLineEdit* hour = pages.scheduleFields[1];
  hour->setFocus();
  QTest::keyClicks(hour, ",*");
  EXPECT_EQ(hour->text().toStdString(), "*");

  // Apply corrects silently and stores the corrected fields.
  window.Apply();
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(nodeWeb->data.Schedule, "=59 * * * 1,2,3,4,5");
  EXPECT_EQ(minute->text().toStdString(), "59");

  // The button says what it corrected.
  QLineEdit* month = pages.scheduleFields[3];
  month->setFocus();
  month->selectAll();
  QTest::keyClicks(month, "0");
  pages.bValidate->click();
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{InformationBox("1 invalid entry corrected.")});
  EXPECT_EQ(pages.scheduleFields[3]->text().toStdString(), "1");

  // Unticking empties the fields; Apply then stores no schedule.
  pages.cbSchedule->click();
  EXPECT_EQ(pages.scheduleFields[0]->text().toStdString(), "");
  EXPECT_FALSE(pages.scheduleFields[0]->isEnabled());
  window.Apply();
  EXPECT_EQ(nodeWeb->data.Schedule, "");
}

}  // namespace skelder::testing
