#include <Qsci/qsciscintilla.h>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/text/FileErrorText.h"
#include "gui/ui/Commands.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/StatusPanels.h"

namespace skelder::testing {

namespace {

// The example of the template file's rules: a separator with a junk line below it and a
// header without its "]" in lower case.
const char kTemplates[] =
    "[MACRO_TEMPLATE Telnet]\r\n"
    "connect 'host:23 /nossh'\r\n"
    "[MACRO_TEMPLATE SEPARATOR]\r\n"
    "junk\r\n"
    "[macro_template SSH\r\n"
    "connect 'host:22 /ssh'\r\n";

class MacroFilesTest : public MainWindowFixture {
 protected:
  MacroFilesTest() {
    WriteFileBytes(folder.file("tt/SynComp.pro"), "");
    WriteFileBytes(folder.file("tt/ttmacro.tpl"), kTemplates);
    WriteFileBytes(folder.file("tt/ttermpro.exe"), "MZ");
  }
  // A window whose Macro page shows a child connection of "Gateway".
  MainWindow& open(const std::string& macro) {
    MainWindow& w = create();
    TreeNode* parent = addConnection("Gateway", nullptr, "connect 'gw'");
    selectNodes({addConnection("Router", parent, macro)});
    w.ShowPage(1);
    w.RefreshCommandsNow();
    QApplication::processEvents();
    return w;
  }
  QsciScintilla* memo1() { return window->findChild<QsciScintilla*>("Memo1"); }
  QMenu* submenu() { return window->findChild<QMenu*>("MnImportTemplate"); }
  std::vector<std::string> items() {
    std::vector<std::string> texts;
    for (QAction* action : submenu()->actions())
      texts.push_back(action->isSeparator() ? "-"
                                            : action->objectName().toStdString() + " " +
                                                  action->text().toStdString());
    return texts;
  }
  std::string pending() { return window->statusPanels().text(3).toStdString(); }
};

}  // namespace

TEST_F(MacroFilesTest, TheSubmenuFollowsTheTemplateFileAndTheMacroPage) {
  MainWindow& w = create();
  EXPECT_EQ(items(), (std::vector<std::string>{"MnTemplate0 Telnet", "-", "MnTemplate4 SSH"}));
  EXPECT_FALSE(submenu()->isEnabled());  // no connection on the Macro page
  EXPECT_FALSE(w.commands().importMacro->isEnabled());

  selectNodes({addConnection("Router")});
  w.ShowPage(1);
  w.RefreshCommandsNow();
  QApplication::processEvents();
  EXPECT_TRUE(submenu()->isEnabled());
  EXPECT_TRUE(w.commands().importMacro->isEnabled());
  EXPECT_FALSE(w.commands().exportMacro->isEnabled());  // the editor holds only blanks
}

TEST_F(MacroFilesTest, ATemplateGoesInAtTheCaretOrInPlaceOfTheSelection) {
  const struct {
    int line, index;  // the caret, or with a selection its start
    int toLine, toIndex;
    std::string expected;
  } cases[] = {
      // In the first column: before the line, one empty line after.
      {1, 0, -1, -1, "wait '$'\r\nconnect 'host:22 /ssh'\r\n\r\nsendln 'ls'\r\n"},
      // Inside a line: the line is split at the caret.
      {1, 4, -1, -1, "wait '$'\r\nsend\r\nconnect 'host:22 /ssh'\r\n\r\nln 'ls'\r\n"},
      // A selection is replaced.
      {0, 0, 1, 0, "connect 'host:22 /ssh'\r\n\r\nsendln 'ls'\r\n"},
  };
  for (const auto& c : cases) {
    open("wait '$'\r\nsendln 'ls'");
    QsciScintilla* memo = memo1();
    if (c.toLine < 0)
      memo->setCursorPosition(c.line, c.index);
    else
      memo->setSelection(c.line, c.index, c.toLine, c.toIndex);
    window->findChild<QAction*>("MnTemplate4")->trigger();
    EXPECT_EQ(ToLocal(memo->text()), c.expected) << c.line << ":" << c.index;
    EXPECT_EQ(pending(), "Modified");
    EXPECT_TRUE(memo->hasFocus() || !window->isVisible());
  }
}

TEST_F(MacroFilesTest, ReloadTakesTheNewFileAndAMissingOneKeepsTheItems) {
  create();
  auto* path = window->findChild<QLineEdit*>("edtPath2Templates");
  auto* reload = window->findChild<QPushButton*>("btnReloadTemplates");
  auto* browse = window->findChild<QPushButton*>("btnBrowse");
  EXPECT_FALSE(reload->isEnabled());
  EXPECT_TRUE(browse->isEnabled());

  const std::string other = folder.file("other.tpl");
  WriteFileBytes(other, "[MACRO_TEMPLATE Serial]\nconnect '/C=1'\n");
  dialogs.answer("file:" + other);
  browse->click();
  EXPECT_EQ(dialogs.boxes().back().kind, "file-open");
  EXPECT_EQ(path->text().toStdString(), other);
  ASSERT_TRUE(reload->isEnabled());
  EXPECT_EQ(items().size(), 3u);  // not reloaded yet
  reload->click();
  EXPECT_FALSE(reload->isEnabled());
  EXPECT_EQ(items(), std::vector<std::string>{"MnTemplate0 Serial"});

  // Typing a name that does not exist and reloading keeps the items and their bodies.
  path->setFocus();
  QTest::keyClicks(path, "x");
  EXPECT_TRUE(reload->isEnabled());
  reload->click();
  EXPECT_EQ(items(), std::vector<std::string>{"MnTemplate0 Serial"});
  selectNodes({addConnection("Serial line")});
  window->ShowPage(1);
  QAction* serial = window->findChild<QAction*>("MnTemplate0");
  ASSERT_TRUE(serial);
  serial->trigger();
  EXPECT_EQ(ToLocal(memo1()->text()), "connect '/C=1'\r\n\r\n");
}

TEST_F(MacroFilesTest, ImportFillsTheEditorAndAFileThatCannotBeReadLeavesIt) {
  open("old");
  const std::string file = folder.file("login.ttl");
  WriteFileBytes(file, "connect 'host'\nwait 'login:'\n");
  dialogs.answer("file:" + file);
  window->commands().importMacro->trigger();
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"file-open", "", "Import macro from file"}}));
  EXPECT_EQ(ToLocal(memo1()->text()), "connect 'host'\r\nwait 'login:'\r\n");
  EXPECT_FALSE(memo1()->isUndoAvailable());
  EXPECT_EQ(pending(), "Modified");

  // Now edits are pending: Cancel in the apply question stops.
  dialogs.clear();
  dialogs.answer("Cancel");
  window->commands().importMacro->trigger();
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel",
                                       "Do you want to apply the changes made to  'Router' ?"}}));

  // A folder where the file should be cannot be read: the box names it, the text stays.
  const std::string folderFile = folder.file("dir.ttl");
  std::filesystem::create_directory(folderFile);
  dialogs.clear();
  dialogs.answer("No");
  dialogs.answer("file:" + folderFile);
  window->commands().importMacro->trigger();
  ASSERT_EQ(dialogs.boxes().size(), 3u);
  EXPECT_EQ(dialogs.boxes()[2].kind, "error");
  EXPECT_EQ(dialogs.boxes()[2].text.rfind("Cannot open file \"" + folderFile + "\". ", 0), 0u);
  EXPECT_EQ(ToLocal(memo1()->text()), "connect 'host'\r\nwait 'login:'\r\n");
}

TEST_F(MacroFilesTest, ExportWritesTheBranchMacroAndStartsNothing) {
  open("sendln 'show version'");
  const std::string file = folder.file("out.ttl");
  dialogs.answer("file:" + file);
  window->commands().exportMacro->trigger();
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{{"file-save", "", "Export macro to file"}}));
  EXPECT_EQ(ReadFileBytes(file), "connect 'gw'\r\nsendln 'show version'\r\n");
  EXPECT_TRUE(starter->started.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.file("tt/Temp_TTL/~TTiniC1.ini")));

  // A target that cannot be written: the box names it and nothing is left behind.
  const std::string blocked = folder.file("blocked.ttl");
  std::filesystem::create_directories(blocked + "/inside");
  dialogs.clear();
  dialogs.answer("file:" + blocked);
  window->commands().exportMacro->trigger();
  ASSERT_EQ(dialogs.boxes().size(), 2u);
  EXPECT_EQ(dialogs.boxes()[1].kind, "error");
  EXPECT_EQ(dialogs.boxes()[1].text.rfind("Cannot create file \"" + blocked + "\". ", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
}

}  // namespace skelder::testing
