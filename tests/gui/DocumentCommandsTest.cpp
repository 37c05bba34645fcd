#include <Qsci/qsciscintilla.h>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/Commands.h"
#include "gui/ui/StatusPanels.h"

namespace skelder::testing {

namespace fs = std::filesystem;

namespace {

const char kSaveQuestion[] = "Do you want to save the changes made to Noname.SKD?";

// The tree changed: a connection added and the caption marked.
void ChangeTable(MainWindow& window, const std::string& name = "Router") {
  rVTNodeData data;
  data.Name = name;
  data.Level = 1;
  window.tree().appendChild(window.tree().computerNode(), data);
  window.UpdateCaption(true);
}

std::vector<std::string> MenuTexts(MainWindow& window) {
  std::vector<std::string> texts;
  for (int i = 1; i <= 4; ++i)
    if (auto* action = window.findChild<QAction*>(QStringLiteral("MRU%1").arg(i)))
      texts.push_back(action->text().toStdString());
  return texts;
}

}  // namespace

using DocumentCommands = MainWindowFixture;

TEST_F(DocumentCommands, NewOnAModifiedUnnamedTableWithACancelledSaveAsKeepsIt) {
  auto& window = create();
  ChangeTable(window);
  dialogs.answer("Yes");
  dialogs.answer("cancel");  // the Save as dialog
  EXPECT_FALSE(window.document().New());
  ASSERT_EQ(dialogs.boxes().size(), 2u);
  EXPECT_EQ(dialogs.boxes()[0], (RecordedBox{"warning", "Yes,No,Cancel", kSaveQuestion}));
  EXPECT_EQ(dialogs.boxes()[1].kind, "file-save");
  EXPECT_EQ(dialogs.boxes()[1].text, "Save Skelder file as");
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
  EXPECT_EQ(window.tree().computerNode()->childCount(), 1);

  // Open and the recent-file list then open nothing either.
  dialogs.clear();
  const std::string other = table("Other.SKD");
  dialogs.answer("file:" + other);
  dialogs.answer("Yes");
  dialogs.answer("cancel");
  window.document().Open();
  EXPECT_EQ(window.document().fileName(), "");
  EXPECT_EQ(window.tree().computerNode()->childCount(), 1);
}

TEST_F(DocumentCommands, NewAnsweredNoStartsAnEmptyUnnamedTable) {
  auto& window = create({table("Net.SKD")});
  ChangeTable(window);
  dialogs.answer("No");
  EXPECT_TRUE(window.document().New());
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD]");
  EXPECT_EQ(window.document().fileName(), "");
  EXPECT_EQ(window.tree().nodeCount(), 1);
  EXPECT_FALSE(window.commands().newTable->isEnabled());
}

TEST_F(DocumentCommands, NewResetsTheLoggingBoxTheSchemaAndShowsTheSettingsPage) {
  auto& window = create();
  window.findChild<QRadioButton*>("rbLog")->setChecked(true);
  window.findChild<QComboBox*>("cbDefColors")->setCurrentIndex(2);
  rVTNodeData data;
  data.Name = "Router";
  data.Level = 1;
  data.Macro = "m";
  TreeNode* node = window.tree().appendChild(window.tree().computerNode(), data);
  window.tree().setFocusedNode(node);
  window.tree().setCurrentNode(node);
  window.ShowNodeProperties();
  window.ShowPage(3);
  auto* schema = window.findChild<QComboBox*>("cbSchema");
  schema->setCurrentIndex(5);
  window.findChild<QCheckBox*>("cbLogSession")->setChecked(false);
  ASSERT_TRUE(window.document().New());
  EXPECT_TRUE(window.findChild<QCheckBox*>("cbLogSession")->isChecked());
  EXPECT_EQ(schema->currentIndex(), 2);
  EXPECT_EQ(window.findChild<QTabWidget*>("PG")->currentIndex(), 0);
  EXPECT_FALSE(window.HasPendingEdits());
}

TEST_F(DocumentCommands, CancelInTheSaveQuestionOfOpenAndOfTheRecentListOpensNothing) {
  const std::string recent = table("Recent.SKD");
  key()->writeString("MRU1", recent);
  auto& window = create();
  ChangeTable(window);
  dialogs.answer("file:" + table("Picked.SKD"));
  dialogs.answer("Cancel");
  window.document().Open();
  dialogs.answer("Cancel");
  window.document().OpenRecent(0);
  EXPECT_EQ(window.document().fileName(), "");
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
  EXPECT_EQ(window.tree().computerNode()->childCount(), 1);
  EXPECT_EQ(dialogs.boxes().size(), 3u);
  EXPECT_EQ(dialogs.boxes()[2], (RecordedBox{"warning", "Yes,No,Cancel", kSaveQuestion}));
}

TEST_F(DocumentCommands, SaveWritesTheTableAndClearsTheMark) {
  auto& window = create();
  ChangeTable(window, "A");
  const std::string path = folder.file("Saved.SKD");
  dialogs.answer("file:" + path);
  window.Save();
  EXPECT_EQ(window.document().fileName(), path);
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Saved.SKD]");
  EXPECT_EQ(ReadFileBytes(path).substr(0, 9), std::string("SKD21\x01\0\0\0", 9));
  EXPECT_EQ(window.document().recentFiles().entries(), std::vector<std::string>{path});
  EXPECT_FALSE(broadcaster->sent.empty());  // the writer saved the settings and told
}

TEST_F(DocumentCommands, ClosingSavesWithoutAskingWhenAutoSaveIsOn) {
  const std::string path = table("Auto.SKD");
  key()->writeInteger("AutoSave", 1);
  auto& window = create({path});
  ChangeTable(window);
  window.show();
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_NE(ReadFileBytes(path), kEmptyTable);  // the connection was written
}

TEST_F(DocumentCommands, ClosingAsksWithoutAutoSaveAndCancelKeepsTheWindow) {
  flags->heldElsewhere.clear();  // the companion is not running
  WriteFileBytes(folder.file("tt/Skelder.exe"), "MZ");
  key()->writeInteger("AutoSave", 0);
  auto& window = create();
  ChangeTable(window);
  window.show();
  dialogs.answer("Cancel");
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel", kSaveQuestion}}));
  EXPECT_EQ(starter->started, std::vector<std::string>{folder.file("tt") + "/Skelder.exe||"});

  dialogs.answer("No");
  EXPECT_TRUE(window.close());
  EXPECT_EQ(broadcaster->sent.back(), "SkelderRRMessage");
}

TEST_F(DocumentCommands, PendingEditsAskToApplyWithTwoBlanksBeforeTheQuote) {
  auto& window = create();
  ChangeTable(window, "Core switch");
  TreeNode* node = window.tree().computerNode()->child(0);
  window.tree().setCurrentNode(node);
  window.SetPendingEdits(true);
  dialogs.answer("Cancel");
  EXPECT_EQ(window.document().AskSaveChanges(), MessageAnswer::Cancel);
  EXPECT_EQ(
      dialogs.boxes(),
      (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel",
                                 "Do you want to apply the changes made to  'Core switch' ?"}}));
  EXPECT_TRUE(window.HasPendingEdits());

  dialogs.answer("No");
  dialogs.answer("No");
  EXPECT_EQ(window.document().AskSaveChanges(), MessageAnswer::No);
  EXPECT_FALSE(window.HasPendingEdits());
}

TEST_F(DocumentCommands, TheRecentListKeepsFourAndTheFirstStaysFirst) {
  auto& window = create();
  std::vector<std::string> paths;
  for (const char* name : {"One.SKD", "Two.SKD", "Three.SKD", "Four.SKD", "Five.SKD"}) {
    paths.push_back(table(name));
    dialogs.answer("file:" + paths.back());
    window.document().Open();
  }
  EXPECT_EQ(window.document().recentFiles().entries(),
            (std::vector<std::string>{paths[4], paths[3], paths[2], paths[1]}));
  EXPECT_EQ(MenuTexts(window), (std::vector<std::string>{"&1  Five.SKD", "&2  Four.SKD",
                                                         "&3  Three.SKD", "&4  Two.SKD"}));
  window.document().OpenRecent(0);
  EXPECT_EQ(window.document().recentFiles().entries()[0], paths[4]);
  EXPECT_EQ(window.document().recentFiles().entries()[1], paths[3]);

  // The full-path option shows whole paths; the list is stored when the window goes.
  window.findChild<QCheckBox*>("cbFullPathMRU")->setChecked(true);
  QApplication::processEvents();
  EXPECT_EQ(MenuTexts(window)[0], "&1  " + paths[4]);
  window.Shutdown();
  EXPECT_EQ(key()->readString("MRU4"), paths[1]);
}

TEST_F(DocumentCommands, AVanishedRecentFileIsDroppedWithAWarning) {
  const std::string gone = folder.file("Gone.SKD");
  key()->writeString("MRU1", gone);
  key()->writeString("MRU2", table("Here.SKD"));
  auto& window = create();
  window.document().OpenRecent(0);
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{WarningBox("The file '" + gone + "' does not exist.")}));
  EXPECT_EQ(window.document().recentFiles().entries().size(), 1u);
  EXPECT_EQ(MenuTexts(window), std::vector<std::string>{"&1  Here.SKD"});
}

TEST_F(DocumentCommands, MaximizeThenViewMacroRestoresTheLayout) {
  auto& window = create();
  window.resize(1000, 700);
  window.show();
  auto* splitter = window.findChild<QSplitter*>("Splitter1");
  splitter->setSizes({300, 697});
  const int before = window.treeWidth();
  window.MaximizeTree();
  EXPECT_FALSE(window.findChild<QTabWidget*>("PG")->isVisible());
  EXPECT_TRUE(window.commands().treeMaximize->isChecked());
  window.commands().viewMacro->trigger();
  EXPECT_TRUE(window.findChild<QTabWidget*>("PG")->isVisible());
  EXPECT_TRUE(window.commands().treeRestore->isChecked());
  EXPECT_EQ(window.treeWidth(), before);
  EXPECT_EQ(window.findChild<QTabWidget*>("PG")->currentIndex(), 1);

  window.HideTree();
  EXPECT_FALSE(window.findChild<QTreeView*>("VT")->isVisible());
  window.RestoreTree();
  EXPECT_EQ(window.treeWidth(), before);
}

TEST_F(DocumentCommands, ShrinkingTheWindowKeepsTheTreeAtLeast215Wide) {
  auto& window = create();
  window.resize(1200, 700);
  window.show();
  window.findChild<QSplitter*>("Splitter1")->setSizes({700, 497});
  window.resize(window.minimumWidth(), 700);
  QApplication::processEvents();
  EXPECT_GE(window.treeWidth(), 215);
  EXPECT_GE(window.findChild<QTabWidget*>("PG")->width(), 370);
}

TEST_F(DocumentCommands, StatusPanelsShowTheirStates) {
  auto& window = create();
  window.show();
  StatusPanels& panels = window.statusPanels();
  const int widths[] = {300, 100, 50, 34, 34, 34, 50, 50};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(panels.panel(i)->width(), widths[i - 1]) << i;

  window.SetPendingEdits(true);
  EXPECT_EQ(panels.text(3), "Modified");
  window.SetPendingEdits(false);
  EXPECT_EQ(panels.text(3), "");

  auto* name = window.findChild<QLineEdit*>("edtName");
  window.ShowPage(0, 1);
  name->setFocus();
  QApplication::processEvents();
  window.ShowInsertMode(false);
  EXPECT_EQ(panels.text(4), "INS");
  QTest::keyClick(name, Qt::Key_Insert);
  EXPECT_EQ(panels.text(4), "OVR");
  name->setText("abc");
  name->setCursorPosition(1);
  QTest::keyClicks(name, "X");
  EXPECT_EQ(name->text(), "aXc");  // overwrite replaced the "b"
  QTest::keyClick(name, Qt::Key_Insert);
  EXPECT_EQ(panels.text(4), "INS");

  window.ShowCaretPosition(true, 1);
  EXPECT_EQ(panels.text(2), "Ln. 1, Col. 1");
  window.ShowCaretPosition(false, 1);
  EXPECT_EQ(panels.text(2), "");
  window.ShowLockKeys();  // the lock keys are unknown here: empty panels
  EXPECT_EQ(panels.text(5) + panels.text(6) + panels.text(7), "");
}

TEST_F(DocumentCommands, TheLockKeyPanelsFollowTheKeysWhenReleased) {
  auto& window = create();
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  auto& system = static_cast<FakeSystem&>(*platform.system);
  system.locks = LockKeys{false, true, false};
  QTest::keyRelease(&window, Qt::Key_CapsLock);
  EXPECT_EQ(window.statusPanels().text(6), "CAPS");
  EXPECT_EQ(window.statusPanels().text(5), "");
  system.locks = LockKeys{true, false, true};
  QTest::keyRelease(&window, Qt::Key_NumLock);
  EXPECT_EQ(window.statusPanels().text(5), "NUM");
  EXPECT_EQ(window.statusPanels().text(6), "");
  EXPECT_EQ(window.statusPanels().text(7), "SCROLL");
}

TEST_F(DocumentCommands, ImportAddsTheConnectionsAndSaysWhatWasRenamed) {
  auto& window = create();
  ChangeTable(window, "Router");
  window.UpdateCaption(false);
  const std::string path = folder.file("More.SKD");
  // A table holding "Router" and "Switch", written by saving a second window's tree.
  ConnectionTree other;
  ResetTree(other);
  rVTNodeData data;
  data.Level = 1;
  data.Name = "Router";
  other.appendChild(other.computerNode(), data);
  data.Name = "Switch";
  other.appendChild(other.computerNode(), data);
  std::string bytes;
  EncodeTable(other, true, bytes);
  WriteFileBytes(path, bytes);

  dialogs.answer("file:" + path);
  window.commands().importConnection->trigger();
  EXPECT_EQ(dialogs.boxes().back(),
            WarningBox("1 imported item was renamed to avoid duplicate names among siblings."));
  std::vector<std::string> names;
  for (TreeNode* n = window.tree().computerNode()->firstChild(); n; n = n->nextSibling())
    names.push_back(n->data.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Router", "Copy of Router", "Switch"}));
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");
  EXPECT_EQ(window.document().fileName(), "");
}

TEST_F(DocumentCommands, RestoreIsOfferedOnceABackupExists) {
  WriteFileBytes(folder.file("tt/teraterm.ini"), "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\n");
  auto& window = create();
  EXPECT_FALSE(window.commands().restore->isEnabled());
  window.commands().backup->trigger();
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].kind, "information");
  EXPECT_TRUE(window.commands().restore->isEnabled());
  auto& again = create();  // a later start sees the stored backup
  EXPECT_TRUE(again.commands().restore->isEnabled());
}

TEST_F(DocumentCommands, TheInformationItemNamesTheTable) {
  auto& window = create({table("Net.SKD")});
  auto* file = window.findChild<QMenu*>("MnFile");
  emit file->aboutToShow();
  EXPECT_EQ(window.commands().info->text(), "Information for Net.SKD ...");
}

TEST_F(DocumentCommands, ShowPopupShowsThePopupText) {
  auto& window = create();
  window.findChild<QsciScintilla*>("Memo2")->setText("Call the NOC first");
  dialogs.answer("OK");
  window.ShowPopup();
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{
                {"information", "OK,Cancel", "Call the NOC first\rPress Ok to continue."}}));
}

}  // namespace skelder::testing
