#include <Qsci/qsciscintilla.h>
#include <QComboBox>

#include "MainWindowFixture.h"
#include "gui/editor/SearchDialog.h"
#include "gui/editor/TextSearch.h"

namespace skelder::testing {

namespace {

class TextSearchTest : public MainWindowFixture {
 protected:
  MainWindow& open(const char* text) {
    auto& window = create();
    window.show();
    memo = window.findChild<QsciScintilla*>("Memo1");
    memo->setText(text);
    return window;
  }
  // The dialog confirmed with the given search text and options.
  void answerDialog(TextSearch& search, const std::string& text,
                    const std::string& replacement = "", bool fromCaret = true) {
    search.runDialog = [=, this](SearchDialog& dialog) {
      shownText = dialog.cbSearchText->currentText().toStdString();
      dialog.cbSearchText->setCurrentText(QString::fromStdString(text));
      if (dialog.cbReplaceText)
        dialog.cbReplaceText->setCurrentText(QString::fromStdString(replacement));
      dialog.cbSearchFromCursor->setChecked(fromCaret);
      return true;
    };
  }
  std::string selected() { return memo->selectedText().toStdString(); }
  int selectionLine() {
    int line = 0, index = 0, toLine = 0, toIndex = 0;
    memo->getSelection(&line, &index, &toLine, &toIndex);
    return line;
  }

  QsciScintilla* memo = nullptr;
  std::string shownText;
};

}  // namespace

TEST_F(TextSearchTest, FindOpensWithTheOneLineSelectionAndFindNextGoesOn) {
  auto& window = open("wait 'a'\r\nsendln 'x'\r\nwait 'b'\r\nwait 'c'\r\n");
  TextSearch& search = window.textSearch();
  memo->setSelection(1, 0, 1, 6);  // "sendln"
  answerDialog(search, "wait", "", false);
  search.ShowDialog(false);
  EXPECT_EQ(shownText, "sendln");
  EXPECT_EQ(selected(), "wait");
  EXPECT_EQ(selectionLine(), 0);  // without "from caret" the whole text is searched
  search.Search(false, false);    // Find Next
  EXPECT_EQ(selectionLine(), 2);
  search.Search(false, false);
  EXPECT_EQ(selectionLine(), 3);
  search.Search(false, true);  // Find Previous
  EXPECT_EQ(selectionLine(), 2);
  EXPECT_EQ(search.state().searchHistory, std::vector<std::string>{"wait"});

  memo->setSelection(0, 0, 1, 3);  // over two lines: the last search text
  search.ShowDialog(false);
  EXPECT_EQ(shownText, "wait");
}

TEST_F(TextSearchTest, NothingFoundSaysSo) {
  auto& window = open("connect 'host'\r\n");
  answerDialog(window.textSearch(), "missing");
  window.textSearch().ShowDialog(false);
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{WarningBox("Search string not found")});
}

TEST_F(TextSearchTest, ReplaceAsksForEachAndYesToAllTakesTheRest) {
  auto& window = open("wait 1\r\nwait 2\r\nwait 3\r\nwait 4\r\n");
  TextSearch& search = window.textSearch();
  std::vector<ReplaceAnswer> answers = {ReplaceAnswer::Skip, ReplaceAnswer::Skip,
                                        ReplaceAnswer::ReplaceAll};
  int asked = 0;
  search.confirmReplace = [&](const QString& text) {
    EXPECT_EQ(text, "wait");
    return answers.at(static_cast<size_t>(asked++));
  };
  memo->setCursorPosition(0, 0);
  answerDialog(search, "wait", "pause");
  search.ShowDialog(true);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(memo->text().toStdString(), "wait 1\r\nwait 2\r\npause 3\r\npause 4\r\n");
  EXPECT_TRUE(window.HasPendingEdits());
}

TEST_F(TextSearchTest, ReplacingATextWithItselfAsksNothing) {
  auto& window = open("wait 1\r\nwait 2\r\n");
  TextSearch& search = window.textSearch();
  search.confirmReplace = [](const QString&) {
    ADD_FAILURE() << "asked";
    return ReplaceAnswer::Cancel;
  };
  memo->setCursorPosition(0, 0);
  answerDialog(search, "wait", "wait");
  search.ShowDialog(true);
  EXPECT_EQ(memo->text().toStdString(), "wait 1\r\nwait 2\r\n");
  EXPECT_TRUE(dialogs.boxes().empty());
}

}  // namespace skelder::testing
