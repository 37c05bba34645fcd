#include <Qsci/qsciscintilla.h>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/editor/CompletionProposal.h"
#include "gui/editor/HelpViewer.h"
#include "gui/editor/MacroEditor.h"
#include "gui/ui/Commands.h"
#include "gui/ui/StatusPanels.h"

namespace skelder::testing {

namespace {

class CompletionAndHelpTest : public MainWindowFixture {
 protected:
  MainWindow& open(const std::string& macro) {
    auto& window = create();
    selectNodes({addConnection("Web", nullptr, macro)});
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ShowPage(1);
    return window;
  }
  QsciScintilla* memo(const char* name) { return window->findChild<QsciScintilla*>(name); }
  CompletionProposal& completion() { return window->macroEditor().completion(); }
  // The caret at a column of the first line of the macro editor, the editor focused.
  QsciScintilla* caretAt(int column) {
    QsciScintilla* memo1 = memo("Memo1");
    memo1->setFocus();
    memo1->setCursorPosition(0, column);
    return memo1;
  }
  std::vector<std::string> shownInsertTexts() {
    std::vector<std::string> texts;
    for (int index : completion().shown())
      texts.push_back(completion().list().insertTexts[static_cast<size_t>(index)]);
    return texts;
  }
  std::string helpFile(const char* name) {
    const std::string path = folder.file("tt/") + name;
    WriteFileBytes(path, "ITSF");
    return path;
  }
};

}  // namespace

TEST_F(CompletionAndHelpTest, CtrlSpaceOffersTheMatchingEntriesAndInsertsTheChosenOne) {
  WriteFileBytes(folder.file("tt/SynComp.pro"),
                 "if<CR>endif::if ... endif\r\n"
                 "sendln ::\\style{+B}sendln\\style{-B} <string>\r\n"
                 "send ::send <string>\r\n"
                 "wait ::wait <string>\r\n");
  open("x se");
  QsciScintilla* memo1 = caretAt(4);
  QTest::keyClick(memo1, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_TRUE(memo1->isListActive());
  EXPECT_EQ(shownInsertTexts(), (std::vector<std::string>{"sendln ", "send "}));
  memo1->SendScintilla(QsciScintilla::SCI_AUTOCCOMPLETE);
  EXPECT_EQ(memo1->text(), QStringLiteral("x sendln "));

  memo1->setText(QStringLiteral("IF"));
  caretAt(2);
  QTest::keyClick(memo1, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(shownInsertTexts(), (std::vector<std::string>{"if\r\nendif"}));
  QTest::keyClick(memo1, Qt::Key_Return);
  EXPECT_EQ(memo1->text(), QStringLiteral("if\r\nendif"));

  // A "." opens the list after a pause.
  memo1->setText(QString());
  caretAt(0);
  QTest::keyClick(memo1, Qt::Key_Period, Qt::NoModifier, '.');
  EXPECT_TRUE(completion().triggerTimer()->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(memo1->isListActive(), 2000);
  EXPECT_EQ(completion().shown().size(), 4u);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(CompletionAndHelpTest, WithoutTheListCompletionWarnsEachTime) {
  open("sendln 'x'");
  QsciScintilla* memo1 = caretAt(0);
  for (int i = 0; i < 2; ++i) QTest::keyClick(memo1, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>(
                2, WarningBox("SynComp.pro file not found. Completion Proposal is disabled.")));
  EXPECT_FALSE(memo1->isListActive());
}

TEST_F(CompletionAndHelpTest, CtrlF1ShowsTheHelpTopicOfTheWordAtTheCaret) {
  open("sendln '$pager$'");
  const std::string teraTermHelp = folder.file("tt/TeraTerm.chm");
  QsciScintilla* memo1 = caretAt(3);
  QTest::keyClick(memo1, Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Help file '" + teraTermHelp + "' not found.")});
  EXPECT_TRUE(starter->started.empty());

  helpFile("TeraTerm.chm");
  QTest::keyClick(memo1, Qt::Key_F1, Qt::ControlModifier);
  ASSERT_EQ(starter->started.size(), 1u);
  EXPECT_EQ(starter->started[0], "C:\\Windows/hh.exe|-mapid 92078 \"" + teraTermHelp + "\"|");
  EXPECT_EQ(window->macroEditor().help().helpContext(), 6050);

  // "$pager$" has no topic: the Macro page's topic of the help file selected last.
  caretAt(12);
  QTest::keyClick(memo1, Qt::Key_F1, Qt::ControlModifier);
  ASSERT_EQ(starter->started.size(), 2u);
  EXPECT_EQ(starter->started[1], "C:\\Windows/hh.exe|-mapid 6050 \"" + teraTermHelp + "\"|");

  // Other modifiers with it do nothing.
  QTest::keyClick(memo1, Qt::Key_F1, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(starter->started.size(), 2u);
  EXPECT_EQ(dialogs.boxes().size(), 1u);
}

TEST_F(CompletionAndHelpTest, TheHelpMenuOpensEachHelpFileAtItsFirstTopic) {
  open("beep");
  const std::string product = folder.file("tt/Skelder.chm");
  Commands& commands = window->commands();
  commands.help->trigger();
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Help file '" + product + "' not found.")});
  helpFile("Skelder.chm");
  helpFile("TeraTerm.chm");
  commands.help->trigger();
  commands.macroHelp->trigger();
  EXPECT_EQ(starter->started,
            (std::vector<std::string>{
                "C:\\Windows/hh.exe|-mapid 5000 \"" + product + "\"|",
                "C:\\Windows/hh.exe|-mapid 90000 \"" + folder.file("tt/TeraTerm.chm") + "\"|"}));
  EXPECT_EQ(commands.help->shortcut(), QKeySequence(QStringLiteral("F1")));
  EXPECT_EQ(commands.macroHelp->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
}

TEST_F(CompletionAndHelpTest, InsertTogglesOneModeForBothEditors) {
  open("abc");
  QsciScintilla* memo1 = caretAt(0);
  EXPECT_EQ(window->statusPanels().text(4), QStringLiteral("INS"));
  QTest::keyClick(memo1, Qt::Key_Insert);
  EXPECT_TRUE(memo1->overwriteMode());
  EXPECT_EQ(window->statusPanels().text(4), QStringLiteral("OVR"));
  QTest::keyClicks(memo1, "x");
  EXPECT_EQ(memo1->text(), QStringLiteral("xbc"));

  window->ShowPage(2);
  QsciScintilla* memo2 = memo("Memo2");
  memo2->setFocus();
  EXPECT_TRUE(memo2->overwriteMode());
  QTest::keyClick(memo2, Qt::Key_Insert);
  EXPECT_FALSE(memo2->overwriteMode());
  EXPECT_EQ(window->statusPanels().text(4), QStringLiteral("INS"));
  window->ShowPage(1);
  memo1->setFocus();
  EXPECT_FALSE(memo1->overwriteMode());
}

}  // namespace skelder::testing
