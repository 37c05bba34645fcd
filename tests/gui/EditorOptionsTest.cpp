#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QMenuBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {

namespace {

class EditorOptionsTest : public MainWindowFixture {
 protected:
  MainWindow& open() {
    auto& window = create();
    selectNodes({addConnection("Web", nullptr, "wait 'x'")});
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ShowPage(1);
    return window;
  }
  SettingsPages& page() { return window->settingsPages(); }
  QsciScintilla* memo(const char* name) { return window->findChild<QsciScintilla*>(name); }
  std::optional<std::int32_t> stored(const char* name) {
    return store->openKey(kSettingsKeyPath, false)->readInteger(name);
  }
};

}  // namespace

TEST_F(EditorOptionsTest, TabOptionsGovernTheMacroEditorsTabKey) {
  open();
  QsciScintilla* memo1 = memo("Memo1");
  memo1->setFocus();
  ASSERT_TRUE(memo1->hasFocus());
  memo1->setCursorPosition(0, 0);
  ASSERT_FALSE(page().macroEditor().cbAllowTAB->isChecked());
  QTest::keyClick(memo1, Qt::Key_Tab);
  EXPECT_EQ(memo1->text(), QStringLiteral("wait 'x'"));
  EXPECT_FALSE(memo1->hasFocus());  // Tab moved the focus on

  page().macroEditor().cbAllowTAB->setChecked(true);
  page().macroEditor().CBSpacePerTAB->setCurrentIndex(1);  // "3"
  EXPECT_EQ(memo1->tabWidth(), 3);
  memo1->setFocus();
  ASSERT_TRUE(memo1->hasFocus());
  memo1->setCursorPosition(0, 0);
  QTest::keyClick(memo1, Qt::Key_Tab);
  EXPECT_EQ(memo1->text(), QStringLiteral("\twait 'x'"));
  EXPECT_TRUE(memo1->hasFocus());

  page().macroEditor().cbTAB2Space->setChecked(true);
  memo1->setCursorPosition(0, 0);
  QTest::keyClick(memo1, Qt::Key_Tab);
  EXPECT_EQ(memo1->text(), QStringLiteral("   \twait 'x'"));

  EXPECT_FALSE(memo1->tabIndents());
  page().macroEditor().cbSmartTAB->setChecked(true);
  EXPECT_TRUE(memo1->tabIndents());
  EXPECT_TRUE(memo1->backspaceUnindents());
}

TEST_F(EditorOptionsTest, TheEditorFontGoesToAllThreeEditorsThePopupTakesOnlyItsName) {
  open();
  dialogs.answer("font:Lucida Console,14,1,0");
  page().macroEditor().Button3->click();
  EXPECT_EQ(dialogs.boxes().back(), (RecordedBox{"font", "fixed", "Courier New,9,0,1"}));
  for (const char* name : {"Memo1", "Memo3"}) {
    EXPECT_EQ(memo(name)->font().family(), QStringLiteral("Lucida Console")) << name;
    EXPECT_EQ(memo(name)->font().pointSize(), 14) << name;
  }
  EXPECT_EQ(memo("Memo2")->font().family(), QStringLiteral("Lucida Console"));
  EXPECT_EQ(memo("Memo2")->font().pointSize(), 9);
  const QFont styled = memo("Memo1")->lexer()->font(2);  // commands: bold in any font
  EXPECT_EQ(styled.family(), QStringLiteral("Lucida Console"));
  EXPECT_EQ(styled.pointSize(), 14);

  // With the connection's colours, without highlighter, the text keeps the font.
  page().macroEditor().rbUseColorInEditor->setChecked(true);
  char face[64] = {};
  memo("Memo1")->SendScintilla(QsciScintilla::SCI_STYLEGETFONT, 32UL, face);
  EXPECT_STREQ(face, "Lucida Console");
  page().macroEditor().rbSyntax->setChecked(true);

  dialogs.answer("cancel");
  page().macroEditor().Button3->click();
  EXPECT_EQ(dialogs.boxes().back(), (RecordedBox{"font", "fixed", "Lucida Console,14,1,0"}));
  EXPECT_EQ(memo("Memo1")->font().family(), QStringLiteral("Lucida Console"));

  dialogs.answer("font:DejaVu Sans,11,2,0");
  page().general().Button4->click();
  EXPECT_EQ(dialogs.boxes().back(), (RecordedBox{"font", "truetype", "Tahoma,8,0,1"}));
  EXPECT_EQ(window->menuBar()->font().family(), QStringLiteral("DejaVu Sans"));
  EXPECT_TRUE(window->menuBar()->font().italic());

  window->Shutdown();
  auto key = store->openKey(kSettingsKeyPath, false);
  EXPECT_EQ(key->readString("Font1Name"), "Lucida Console");
  EXPECT_EQ(key->readInteger("Font1Size"), 14);
  EXPECT_EQ(key->readInteger("Font1Style"), 1);
  EXPECT_EQ(key->readString("Font2Name"), "DejaVu Sans");
  EXPECT_EQ(key->readInteger("Font2Style"), 2);
}

TEST_F(EditorOptionsTest, SpecialCharactersFollowTheButtonWhichIsStoredAtOnce) {
  key()->writeInteger("ShowSpecial", 1);
  open();
  QAction* button = window->commands().showSpecialChars;
  EXPECT_TRUE(button->isChecked());
  for (const char* name : {"Memo1", "Memo3"}) {
    EXPECT_EQ(memo(name)->whitespaceVisibility(), QsciScintilla::WsVisible) << name;
    EXPECT_TRUE(memo(name)->eolVisibility()) << name;
  }
  EXPECT_EQ(memo("Memo2")->whitespaceVisibility(), QsciScintilla::WsInvisible);

  button->setEnabled(true);
  button->trigger();
  EXPECT_EQ(stored("ShowSpecial"), 0);
  for (const char* name : {"Memo1", "Memo3"}) {
    EXPECT_EQ(memo(name)->whitespaceVisibility(), QsciScintilla::WsInvisible) << name;
    EXPECT_FALSE(memo(name)->eolVisibility()) << name;
  }
  button->trigger();
  EXPECT_EQ(stored("ShowSpecial"), 1);
}

}  // namespace skelder::testing
