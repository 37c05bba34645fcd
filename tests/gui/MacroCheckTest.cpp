#include <Qsci/qsciscintilla.h>
#include <QListWidget>
#include <QTest>

#include "MainWindowFixture.h"
#include "gui/editor/MacroCheckMarks.h"
#include "gui/editor/MacroCheckWindow.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/MacroPage.h"
#include "gui/ui/Commands.h"

namespace skelder::testing {
namespace {

// Line 2 calls a command the keyword file does not know; line 3 opens a string it does not
// close.
const char kMacro[] = "connect 'host'\r\nsendlm 'x'\r\nsendln 'open\r\n";

class MacroCheckTest : public MainWindowFixture {
 protected:
  MainWindow& open(const std::string& macro) {
    MainWindow& w = createShown();
    selectNodes({addConnection("Router", nullptr, macro)});
    w.ShowPage(1);
    QApplication::processEvents();
    return w;
  }
  QsciScintilla& memo() { return *window->macroPage().Memo1; }
  long position(int line, int index) { return memo().positionFromLineIndex(line, index); }
  bool squiggled(int indicator, long at) {
    return memo().SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT,
                                static_cast<unsigned long>(indicator), at) != 0;
  }
};

}  // namespace

TEST_F(MacroCheckTest, FindingsAreUnderlinedMarkedAndExplainedAfterAPause) {
  MainWindow& w = open(kMacro);
  MacroCheckMarks& marks = w.macroCheck();
  marks.CheckNow();
  ASSERT_EQ(marks.findings().size(), 2u);
  EXPECT_EQ(marks.findings()[0].line, 2);
  EXPECT_EQ(marks.findings()[1].line, 3);
  // The unknown command: a red squiggle under "sendlm", nothing before or after it.
  EXPECT_TRUE(squiggled(8, position(1, 0)));
  EXPECT_TRUE(squiggled(8, position(1, 5)));
  EXPECT_FALSE(squiggled(8, position(1, 6)));
  EXPECT_FALSE(squiggled(8, position(0, 3)));
  EXPECT_EQ(memo().markersAtLine(0), 0u);
  EXPECT_NE(memo().markersAtLine(1) & (1u << 20), 0u);
  EXPECT_NE(memo().markersAtLine(2) & (1u << 20), 0u);
  EXPECT_EQ(marks.messageAt(static_cast<int>(position(1, 2))), "error: unknown command \"sendlm\"");
  EXPECT_EQ(marks.messageAt(static_cast<int>(position(0, 2))), "");

  // Typing does not check at once: the check follows the pause, and then the marks go.
  memo().setFocus();
  memo().setCursorPosition(1, 6);  // after "sendlm"
  QTest::keyClick(memo().viewport(), Qt::Key_Backspace);
  QTest::keyClicks(memo().viewport(), "n");
  EXPECT_TRUE(marks.pause().isActive());
  EXPECT_EQ(marks.findings().size(), 2u);
  for (int i = 0; i < 300 && marks.findings().size() != 1; ++i) QTest::qWait(10);
  ASSERT_EQ(marks.findings().size(), 1u);
  EXPECT_FALSE(squiggled(8, position(1, 2)));
  EXPECT_EQ(memo().markersAtLine(1), 0u);
}

TEST_F(MacroCheckTest, CheckMacroListsTheFindingsAndGoesToTheChosenOne) {
  MainWindow& w = open(kMacro);
  w.RefreshCommandsNow();
  ASSERT_TRUE(w.commands().checkMacro->isEnabled());
  w.commands().checkMacro->trigger();
  MacroCheckWindow& found = w.macroCheckWindow();
  ASSERT_TRUE(found.isVisible());
  QListWidget& list = found.list();
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(0)->text(), "Ln 2, Col 1: error: unknown command \"sendlm\"");
  EXPECT_EQ(list.item(1)->text(), "Ln 3, Col 8: error: string not closed on this line");
  emit list.itemActivated(list.item(1));
  int line = 0, index = 0;
  memo().getCursorPosition(&line, &index);
  EXPECT_EQ(line, 2);
  EXPECT_EQ(index, 7);

  // A macro without mistakes says so.
  memo().setText("connect 'host'\r\n");
  w.commands().checkMacro->trigger();
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), "No problems found");
  found.close();
}

TEST_F(MacroCheckTest, CheckMacroWaitsForAConnectionOnTheMacroPage) {
  MainWindow& w = createShown();
  w.ShowPage(1);
  w.RefreshCommandsNow();
  EXPECT_FALSE(w.commands().checkMacro->isEnabled());
}

}  // namespace skelder::testing
