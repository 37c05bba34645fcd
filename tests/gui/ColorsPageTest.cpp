#include <Qsci/qsciscintilla.h>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/editor/HighlighterPage.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/Commands.h"
#include "gui/ui/StatusPanels.h"

namespace skelder::testing {

namespace {

const std::string kGreenTint =
    "200:200:200:0:128:128:255:255:0:0:128:128:0:255:255:0:128:128:128:128:255:0:128:128";
const std::string kCounting = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
const std::string kTeraTermColors =
    "10:20:30:40:50:60:11:21:31:41:51:61:12:22:32:42:52:62:13:23:33:43:53:63";

class ColorsPageTest : public MainWindowFixture {
 protected:
  // Top (Green Tint) with its child Inner (1 to 24), and Plain, whose stored colours are
  // not valid, with its child Below; every one with a macro.
  MainWindow& open() {
    WriteFileBytes(folder.file("tt/teraterm.ini"),
                   "[Tera Term]\r\nVTColor=10,20,30,40,50,60\r\nVTBoldColor=11,21,31,41,51,61\r\n"
                   "VTBlinkColor=12,22,32,42,52,62\r\nURLColor=13,23,33,43,53,63\r\n");
    auto& window = create();
    ConnectionTree& tree = window.tree();
    auto add = [&tree](TreeNode* parent, const char* name, int level, const std::string& colors) {
      rVTNodeData data;
      data.Name = name;
      data.Level = level;
      data.Macro = EncodeNodeText(std::string("connect '") + name + "'", true);
      data.NodeKind = 2;
      data.Colors = colors;
      return tree.appendChild(parent, data);
    };
    top = add(tree.computerNode(), "Top", 1, kGreenTint);
    inner = add(top, "Inner", 2, kCounting);
    plain = add(tree.computerNode(), "Plain", 1, "stored");
    below = add(plain, "Below", 2, kCounting);
    for (TreeNode* node : {tree.computerNode(), top, plain}) tree.setExpanded(node, true);
    window.show();
    return window;
  }
  ColorsPage& pages() { return window->colorsPage(); }
  SettingsPages& settings() { return window->settingsPages(); }
  // As the user does it: a click on the node in the tree, then the "Colors" page.
  void show(TreeNode* node) {
    auto* view = window->findChild<QTreeView*>("VT");
    view->selectionModel()->setCurrentIndex(indexOf(view, node),
                                            QItemSelectionModel::ClearAndSelect);
    window->ShowPage(3);
    QApplication::processEvents();
  }
  QModelIndex indexOf(QTreeView* view, TreeNode* node) {
    if (!node->parent()) return view->model()->index(0, 0);
    return view->model()->index(node->row(), 0, indexOf(view, node->parent()));
  }
  std::string working() { return FormatColorString(window->propertyPages().workingColors()); }
  std::vector<std::string> labels() {
    return {pages().lRed->text().toStdString(), pages().lGreen->text().toStdString(),
            pages().lBlue->text().toStdString()};
  }
  void moveBar(QScrollBar* bar, Qt::Key key) {
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, key);
  }
  void chooseAttribute(int attribute, bool background) {
    QTest::mouseClick(pages().samples[static_cast<size_t>(attribute)], Qt::LeftButton);
    clickBox(background ? pages().RB4 : pages().RB3);
    QApplication::processEvents();  // the command states follow once the loop turns
  }
  // A click on the box of a check box or radio button, where it reacts.
  static void clickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  TreeNode* top = nullptr;
  TreeNode* inner = nullptr;
  TreeNode* plain = nullptr;
  TreeNode* below = nullptr;
};

long EditorValue(QsciScintilla* editor, unsigned int message, unsigned long argument = 0) {
  return editor->SendScintilla(message, argument);
}

}  // namespace

TEST_F(ColorsPageTest, ThePageShowsTheNodesColoursAndTheirSchema) {
  open();
  const struct {
    TreeNode** node;
    std::string schema;
    std::string colors;
  } cases[] = {
      {&top, "Green Tint", kGreenTint},
      {&inner, "", kCounting},
      {&plain, "from TeraTerm.ini file", kTeraTermColors},
  };
  for (const auto& c : cases) {
    show(*c.node);
    EXPECT_EQ(working(), c.colors) << c.schema;
    EXPECT_EQ(pages().cbSchema->currentText().toStdString(), c.schema);
  }
  EXPECT_FALSE(window->HasPendingEdits());  // loading is no edit

  show(top);
  EXPECT_EQ(labels(), (std::vector<std::string>{"R: 200", "G: 200", "B: 200"}));
  const QPalette bold = pages().samples[1]->palette();
  EXPECT_EQ(bold.color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_EQ(bold.color(QPalette::Window), QColor(0, 128, 128));

  // A sample chooses its attribute; "Background" shows the attribute's background.
  QTest::mouseClick(pages().samples[2], Qt::LeftButton);
  EXPECT_EQ(pages().CB->currentText(), "Blink");
  EXPECT_TRUE(pages().CB->hasFocus());
  EXPECT_EQ(labels(), (std::vector<std::string>{"R: 0", "G: 255", "B: 255"}));
  EXPECT_EQ(pages().S2->value(), 255);
  for (int a = 0; a < 4; ++a)
    EXPECT_EQ(pages().samples[static_cast<size_t>(a)]->cursor().shape(),
              a == 2 ? Qt::ArrowCursor : Qt::PointingHandCursor)
        << a;
  clickBox(pages().RB4);
  EXPECT_EQ(labels(), (std::vector<std::string>{"R: 0", "G: 128", "B: 128"}));
  EXPECT_FALSE(window->HasPendingEdits());  // choosing what to edit is no edit either
}

TEST_F(ColorsPageTest, ABarChangesOneComponentOrTheSameBackgroundOfAll) {
  open();
  show(top);
  ASSERT_TRUE(settings().macroEditor().cbSameBkgr->isChecked());  // the first run's default
  chooseAttribute(1, true);
  moveBar(pages().S3, Qt::Key_Right);
  EXPECT_EQ(working(),
            "200:200:200:0:128:129:255:255:0:0:128:129:0:255:255:0:128:129:128:128:255:0:128:129");
  EXPECT_EQ(labels(), (std::vector<std::string>{"R: 0", "G: 128", "B: 129"}));
  EXPECT_EQ(pages().cbSchema->currentIndex(), -1);
  EXPECT_TRUE(window->HasPendingEdits());
  EXPECT_EQ(window->statusPanels().text(3), "Modified");

  // Each background on its own; the text colour is never shared.
  settings().macroEditor().cbSameBkgr->setChecked(false);
  moveBar(pages().S1, Qt::Key_End);
  chooseAttribute(3, false);
  moveBar(pages().S2, Qt::Key_Home);
  // A bar without the focus is the program's, not the user's.
  pages().S3->setValue(7);
  const std::string edited =
      "200:200:200:0:128:129:255:255:0:255:128:129:0:255:255:0:128:129:128:0:255:0:128:129";
  EXPECT_EQ(working(), edited);

  window->Apply();
  EXPECT_EQ(top->data.Colors, edited);
  EXPECT_FALSE(window->HasPendingEdits());
}

TEST_F(ColorsPageTest, ReverseAndOneBackgroundForAll) {
  open();
  show(inner);
  chooseAttribute(2, false);
  // With one background for all every attribute is reversed; twice gives it all back.
  pages().bReverse->click();
  EXPECT_EQ(working(), "4:5:6:1:2:3:10:11:12:7:8:9:16:17:18:13:14:15:22:23:24:19:20:21");
  EXPECT_EQ(labels(), (std::vector<std::string>{"R: 16", "G: 17", "B: 18"}));
  EXPECT_TRUE(window->HasPendingEdits());
  pages().bReverse->click();
  EXPECT_EQ(working(), kCounting);
  settings().macroEditor().cbSameBkgr->setChecked(false);
  pages().bReverse->click();
  EXPECT_EQ(working(), "1:2:3:4:5:6:7:8:9:10:11:12:16:17:18:13:14:15:19:20:21:22:23:24");
  pages().bReverse->click();

  // "Set current background ...": only while "Background" is chosen and the four differ.
  EXPECT_FALSE(pages().bSameBkgrColor->isEnabled());
  chooseAttribute(3, true);
  EXPECT_TRUE(pages().bSameBkgrColor->isEnabled());
  pages().bSameBkgrColor->click();
  QApplication::processEvents();
  EXPECT_EQ(working(), "1:2:3:22:23:24:7:8:9:22:23:24:13:14:15:22:23:24:19:20:21:22:23:24");
  EXPECT_FALSE(pages().bSameBkgrColor->isEnabled());
}

TEST_F(ColorsPageTest, SchemasAndTheParentsColours) {
  open();
  show(inner);
  QComboBox* schema = pages().cbSchema;
  schema->setFocus();
  QTest::keyClick(schema, Qt::Key_End);
  EXPECT_EQ(working(), kTeraTermColors);
  EXPECT_EQ(schema->currentText(), "from TeraTerm.ini file");
  EXPECT_TRUE(window->HasPendingEdits());
  QTest::keyClick(schema, Qt::Key_Home);
  EXPECT_EQ(working(), BuiltInColorString(0));

  // "Set parent's colors": below the top level, Run available, and different colours.
  window->RefreshCommandsNow();
  ASSERT_TRUE(window->commands().run->isEnabled());
  EXPECT_TRUE(pages().bParentColors->isEnabled());
  pages().bParentColors->click();
  QApplication::processEvents();
  EXPECT_EQ(working(), kGreenTint);
  EXPECT_EQ(schema->currentText(), "Green Tint");
  EXPECT_FALSE(pages().bParentColors->isEnabled());
  window->Apply();

  // A parent whose stored colours are not valid gives Tera Term's.
  show(below);
  pages().bParentColors->click();
  EXPECT_EQ(working(), kTeraTermColors);
  window->Apply();

  show(top);
  EXPECT_FALSE(pages().bParentColors->isEnabled());  // a top-level connection has none
  show(inner);
  EXPECT_FALSE(pages().bParentColors->isEnabled());  // Inner already has Top's colours
  // Without a macro there is no Run, and no parent's colours either.
  schema->setFocus();
  QTest::keyClick(schema, Qt::Key_Home);
  window->RefreshCommandsNow();
  EXPECT_TRUE(pages().bParentColors->isEnabled());
  window->macroPage().Memo1->clear();
  window->RefreshCommandsNow();
  EXPECT_FALSE(window->commands().run->isEnabled());
  EXPECT_FALSE(pages().bParentColors->isEnabled());
}

TEST_F(ColorsPageTest, DisablingColourSupportCoversThePageAndChoosesSyntaxColours) {
  open();
  show(top);
  settings().macroEditor().rbUseColorInEditor->setChecked(true);
  moveBar(pages().S1, Qt::Key_Home);  // an unapplied edit
  ASSERT_TRUE(window->HasPendingEdits());

  window->ShowPage(0, 2);
  clickBox(settings().macroEditor().cbNoColors);
  ASSERT_TRUE(settings().macroEditor().cbNoColors->isChecked());
  EXPECT_TRUE(settings().macroEditor().rbSyntax->isChecked());
  EXPECT_FALSE(settings().macroEditor().cbSameBkgr->isChecked());
  for (QWidget* control : std::initializer_list<QWidget*>{
           settings().macroEditor().rbUseColorInEditor, settings().macroEditor().rbSyntax,
           settings().macroEditor().cbSameBkgr})
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  window->ShowPage(3);
  EXPECT_TRUE(pages().isCovered());
  EXPECT_EQ(pages().panelText(), "Color support is disabled");

  window->ShowPage(0, 2);
  clickBox(settings().macroEditor().cbNoColors);
  EXPECT_TRUE(settings().macroEditor().cbSameBkgr->isEnabled());
  EXPECT_FALSE(settings().macroEditor().cbSameBkgr->isChecked());
  window->ShowPage(3);
  EXPECT_FALSE(pages().isCovered());
  EXPECT_EQ(working(),
            "0:200:200:0:128:128:255:255:0:0:128:128:0:255:255:0:128:128:128:128:255:0:128:128");
}

TEST_F(ColorsPageTest, TheMacroEditorTakesTheStoredConnectionColours) {
  open();
  QsciScintilla* memo = window->macroPage().Memo1;
  auto* notice = settings().findChild<QLabel*>("HighlighterNotice");
  ASSERT_TRUE(notice);
  const int gutter = memo->marginWidth(0);
  ASSERT_GT(gutter, 0);
  show(top);
  settings().macroEditor().rbUseColorInEditor->setChecked(true);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETBACK, 0), 0x808000);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETFORE, 0), 0xC8C8C8);
  EXPECT_EQ(memo->marginWidth(0), 0);
  EXPECT_EQ(memo->lexer(), nullptr);
  window->ShowPage(0, 3);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_EQ(notice->geometry(), notice->parentWidget()->rect());
  EXPECT_EQ(notice->text(), "Syntax Highlighting is disabled from Macro Editor settings page");
  EXPECT_FALSE(settings().highlighter().Memo3->isEnabled());

  // The caret line is highlighted while the editor has the focus.
  window->ShowPage(1);
  memo->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_GETCARETLINEVISIBLE), 1);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_GETCARETLINEBACK), 0x404040);

  // Unapplied colour edits do not reach the editor; Cancel in the focus question keeps them.
  window->ShowPage(3);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_GETCARETLINEVISIBLE), 0);
  moveBar(pages().S1, Qt::Key_End);
  const std::string edited = working();
  dialogs.answer("Cancel");
  show(plain);
  EXPECT_EQ(window->tree().focusedNode(), top);
  EXPECT_EQ(working(), edited);
  EXPECT_EQ(labels()[0], "R: 255");
  EXPECT_TRUE(window->HasPendingEdits());
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETFORE, 0), 0xC8C8C8);
  window->Apply();
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETFORE, 0), 0xC8C8FF);

  // Stored colours that are not valid: Tera Term's.
  show(plain);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETBACK, 0), 0x3C3228);
  // The same macro text as the connection shown before, other colours.
  below->data.Macro = plain->data.Macro;
  show(below);
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETBACK, 0), 0x060504);

  // Syntax highlighting: the preview's background and the line numbers again.
  settings().macroEditor().rbSyntax->setChecked(true);
  const QColor paper = settings().highlighter().Memo3->paper();
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_STYLEGETBACK, 0),
            paper.red() + 256 * paper.green() + 65536 * paper.blue());
  EXPECT_EQ(memo->marginWidth(0), gutter);
  EXPECT_TRUE(notice->isHidden());
  EXPECT_TRUE(settings().highlighter().Memo3->isEnabled());
  window->ShowPage(1);
  memo->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(EditorValue(memo, QsciScintilla::SCI_GETCARETLINEBACK),
            EditorValue(settings().highlighter().Memo3, QsciScintilla::SCI_GETCARETLINEBACK));
}

}  // namespace skelder::testing
