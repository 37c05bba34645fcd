#include <gtest/gtest.h>

#include <filesystem>

#include "TableBytes.h"
#include "core/app/TableDocument.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeState.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

const char kSaveQuestion[] = "Do you want to save the changes made to Noname.SKD?";

// Records what the document asks of the window, in order.
class RecordingDocumentHost : public TableDocumentHost {
 public:
  bool settlePendingEdits() override {
    log.push_back("settle");
    return settles;
  }
  void tableCleared() override { log.push_back("cleared"); }
  void tableLoaded() override { log.push_back("loaded"); }
  void tableOpened() override { log.push_back("opened"); }
  void saveSettings() override { log.push_back("settings"); }
  void closeCancelled() override { log.push_back("close cancelled"); }
  void recentFilesChanged() override { log.push_back("recent"); }

  bool settles = true;
  std::vector<std::string> log;
};

class TableDocumentTest : public ::testing::Test {
 protected:
  TableDocumentTest() { ResetTree(tree); }

  std::string table(const std::string& name, const std::vector<Record>& records = {}) {
    const std::string path = folder.file(name);
    WriteFileBytes(path, Table(records));
    return path;
  }
  void change() {
    rVTNodeData data;
    data.Name = "Router";
    data.Level = 1;
    tree.appendChild(tree.computerNode(), data);
    document.setModified(true);
  }
  std::string paramName() {
    auto key = store.openKey(kSettingsKeyPath, false);
    return key ? key->readString("ParamName").value_or("") : "";
  }

  TempFolder folder;
  ConnectionTree tree;
  ScriptedDialogs dialogs;
  FakeSystem system;
  MemorySettingsStore store;
  FixedClock clock{LocalTime{}};
  RecordingDocumentHost host;
  TableDocument document{{tree, dialogs, system, store, clock, folder.path() + "/"}, host};
};

}  // namespace

TEST_F(TableDocumentTest, SaveAsNamesTheTableWritesItUnselectedAndSavesTheSettings) {
  change();
  tree.setSelected(tree.computerNode(), true);
  const std::string path = folder.file("Saved.SKD");
  dialogs.answer("file:" + path);
  document.Save();
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{{"file-save", "", "Save Skelder file as"}}));
  EXPECT_EQ(document.fileName(), path);
  EXPECT_FALSE(document.modified());
  EXPECT_EQ(document.displayName(), "Saved.SKD");
  EXPECT_FALSE(tree.computerNode()->isSelected());
  EXPECT_EQ(ReadFileBytes(path), Table(Levels({{1, "Router"}})));
  EXPECT_EQ(host.log, (std::vector<std::string>{"settings", "recent"}));
  EXPECT_EQ(document.recentFiles().entries(), std::vector<std::string>{path});
}

// A folder standing where the file must go makes the write fail, also as root.
TEST_F(TableDocumentTest, ASaveThatFailsKeepsTheTableMarkedAndClosingAsks) {
  const std::string blocked = folder.file("Blocked.SKD");
  std::filesystem::create_directories(blocked + "/inside");
  change();
  dialogs.answer("file:" + blocked);
  document.SaveAs();
  EXPECT_EQ(dialogs.boxes().back(), ErrorBox("Error writing file Blocked.SKD."));
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(document.fileName(), "");
  EXPECT_TRUE(document.recentFiles().entries().empty());

  const std::string path = table("Kept.SKD");
  ASSERT_TRUE(document.OpenFile(path));
  change();
  std::filesystem::remove(path);
  std::filesystem::create_directories(path + "/inside");
  dialogs.clear();
  EXPECT_FALSE(document.QueryClose(true));  // the automatic save failed: the window stays
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ErrorBox("Error writing file Kept.SKD.")});
}

TEST_F(TableDocumentTest, NewAsksToSaveAndACancelledSaveKeepsTheTable) {
  change();
  dialogs.answer("Yes");
  dialogs.answer("cancel");  // the Save as dialog
  EXPECT_FALSE(document.New());
  EXPECT_EQ(dialogs.boxes()[0], (RecordedBox{"warning", "Yes,No,Cancel", kSaveQuestion}));
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(tree.computerNode()->childCount(), 1);

  dialogs.answer("No");
  EXPECT_TRUE(document.New());
  EXPECT_FALSE(document.modified());
  EXPECT_EQ(tree.nodeCount(), 1);
  EXPECT_EQ(host.log.back(), "cleared");
}

TEST_F(TableDocumentTest, UnsettledPendingEditsCancelBeforeTheSaveQuestion) {
  change();
  host.settles = false;
  EXPECT_EQ(document.AskSaveChanges(), MessageAnswer::Cancel);
  EXPECT_TRUE(dialogs.boxes().empty());
  host.settles = true;
  document.setModified(false);
  EXPECT_EQ(document.AskSaveChanges(), MessageAnswer::No);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TableDocumentTest, OpenReadsTheChosenTableAndKeepsItInTheRecentList) {
  const std::string path = table("Net.SKD", Levels({{1, "A"}, {2, "B"}}));
  dialogs.answer("file:" + path);
  document.Open();
  EXPECT_EQ(document.fileName(), path);
  EXPECT_FALSE(document.modified());
  EXPECT_EQ(tree.nodeCount(), 3);
  EXPECT_EQ(document.recentFiles().entries(), std::vector<std::string>{path});
  EXPECT_EQ(host.log, (std::vector<std::string>{"settle", "cleared", "loaded", "recent", "settings",
                                                "opened"}));
}

TEST_F(TableDocumentTest, AVanishedRecentFileLeavesTheListWithItsWarning) {
  const std::string gone = folder.file("Gone.SKD");
  auto key = store.openKey(kSettingsKeyPath, true);
  key->writeString("MRU1", gone);
  document.LoadRecentFiles();
  document.OpenRecent(0);
  document.OpenRecent(5);  // no such entry: nothing happens
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{WarningBox("The file '" + gone + "' does not exist.")}));
  EXPECT_TRUE(document.recentFiles().entries().empty());
}

TEST_F(TableDocumentTest, ClosingSavesByItselfWithAutoSaveAndCancelTellsTheHost) {
  const std::string path = table("Auto.SKD");
  ASSERT_TRUE(document.OpenFile(path));
  change();
  EXPECT_TRUE(document.QueryClose(true));
  EXPECT_EQ(ReadFileBytes(path), Table(Levels({{1, "Router"}})));

  change();
  dialogs.answer("Cancel");
  EXPECT_FALSE(document.QueryClose(false));
  EXPECT_EQ(host.log.back(), "close cancelled");
  dialogs.answer("No");
  EXPECT_TRUE(document.QueryClose(false));
}

TEST_F(TableDocumentTest, TheStartTableAndTheHandedOverFile) {
  const std::string last = table("Last.SKD", Levels({{1, "L"}}));
  const std::string given = table("Given.SKD", Levels({{1, "G"}}));
  const struct {
    std::string param, last, opened;
    bool importPending;
  } cases[] = {
      {given, last, last, true},  // the last table opens, the argument is offered
      {given, "", given, false},
      {"", last, last, false},
      {"", folder.file("Gone.SKD"), "", false},
  };
  for (const auto& c : cases) {
    ConnectionTree fresh;
    ResetTree(fresh);
    TableDocument start{{fresh, dialogs, system, store, clock, folder.path() + "/"}, host};
    store.openKey(kSettingsKeyPath, true)->writeString("ParamName", c.param);
    start.OpenStartTable(c.last);
    EXPECT_EQ(start.fileName(), c.opened) << c.param << " " << c.last;
    EXPECT_EQ(start.importPending(), c.importPending) << c.param << " " << c.last;
  }
  EXPECT_TRUE(dialogs.boxes().empty());
}

// A table opened from the command line is not offered for import at the next start, and
// the open table is never offered for import into itself.
TEST_F(TableDocumentTest, ATableOpenedFromTheArgumentIsNotOfferedAgain) {
  const std::string given = table("Given.SKD", Levels({{1, "G"}}));
  store.openKey(kSettingsKeyPath, true)->writeString("ParamName", given);
  document.OpenStartTable("");
  EXPECT_EQ(document.fileName(), given);
  EXPECT_EQ(paramName(), "");

  // A second start handed the same file over while the table was open.
  store.openKey(kSettingsKeyPath, true)->writeString("ParamName", given);
  ConnectionTree later;
  ResetTree(later);
  TableDocument next{{later, dialogs, system, store, clock, folder.path() + "/"}, host};
  next.OpenStartTable(given);
  ASSERT_TRUE(next.importPending());
  next.OfferHandedOverFile();
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(later.computerNode()->childCount(), 1);
  EXPECT_EQ(paramName(), "");
}

TEST_F(TableDocumentTest, TheOfferOfAHandedOverFileImportsOnYesAndEmptiesTheMailbox) {
  const std::string given = table("Given.SKD", Levels({{1, "G"}}));
  store.openKey(kSettingsKeyPath, true)->writeString("ParamName", given);
  dialogs.answer("Yes");
  document.OfferHandedOverFile();
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{ConfirmBox(
                                 "Yes,No", "Do you want to import file Given.SKD into Skelder?")}));
  EXPECT_EQ(tree.computerNode()->childCount(), 1);
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(document.fileName(), "");  // an import names nothing
  EXPECT_EQ(paramName(), "");
}

TEST_F(TableDocumentTest, ExportSavesTheSettingsOnlyWhenAFileWasChosen) {
  change();
  tree.setSelected(tree.computerNode()->child(0), true);
  dialogs.answer("cancel");
  document.Export();
  EXPECT_TRUE(host.log.empty());
  const std::string path = folder.file("Out.SKD");
  dialogs.answer("file:" + path);
  document.Export();
  EXPECT_EQ(ReadFileBytes(path), Table(Levels({{1, "Router"}})));
  EXPECT_EQ(host.log, std::vector<std::string>{"settings"});
}

}  // namespace skelder::testing

namespace skelder::testing {

// Ended from outside with unsaved changes: the tree goes to the recovery copy without a
// question, and the next start offers it.
TEST_F(TableDocumentTest, ARecoveryCopyKeepsUnsavedChangesAndIsOfferedAtTheNextStart) {
  const std::string settings = folder.file("cfg");
  const std::string copy = settings + "/Skelder recovery.SKD";
  EXPECT_FALSE(document.WriteRecoveryCopy(settings));  // nothing unsaved: nothing kept
  EXPECT_FALSE(std::filesystem::exists(copy));

  const std::string path = table("Routers.SKD", Levels({{1, "Gateway"}}));
  ASSERT_TRUE(document.OpenFile(path));
  change();
  EXPECT_TRUE(document.WriteRecoveryCopy(settings));
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(ReadFileBytes(copy), Table(Levels({{1, "Gateway"}, {1, "Router"}})));
  EXPECT_EQ(ReadFileBytes(path), Table(Levels({{1, "Gateway"}})));  // the table is untouched
  EXPECT_EQ(document.fileName(), path);
  EXPECT_TRUE(document.modified());

  // The next start: Yes opens the copy as the modified, unsaved table of its own file.
  ConnectionTree next;
  ResetTree(next);
  RecordingDocumentHost nextHost;
  TableDocument restarted{{next, dialogs, system, store, clock, folder.path() + "/"}, nextHost};
  dialogs.answer("Yes");
  restarted.OfferRecovery(settings);
  EXPECT_EQ(dialogs.boxes().back(),
            ConfirmBox("Yes,No", "Recover unsaved changes to Routers.SKD?"));
  ASSERT_EQ(next.computerNode()->childCount(), 2);
  EXPECT_EQ(next.computerNode()->child(1)->data.Name, "Router");
  EXPECT_EQ(restarted.fileName(), path);
  EXPECT_TRUE(restarted.modified());
  EXPECT_EQ(nextHost.log.back(), "opened");
  EXPECT_FALSE(std::filesystem::exists(copy));
  EXPECT_TRUE(restarted.recentFiles().entries().empty());  // the copy is no recent file

  // A copy of a table never saved; No deletes it and leaves the tree as it is.
  ConnectionTree unsaved;
  ResetTree(unsaved);
  RecordingDocumentHost unsavedHost;
  TableDocument fresh{{unsaved, dialogs, system, store, clock, folder.path() + "/"}, unsavedHost};
  rVTNodeData data;
  data.Name = "Lab";
  data.Level = 1;
  unsaved.appendChild(unsaved.computerNode(), data);
  fresh.setModified(true);
  ASSERT_TRUE(fresh.WriteRecoveryCopy(settings));
  dialogs.clear();
  dialogs.answer("No");
  document.OfferRecovery(settings);
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{
                                 ConfirmBox("Yes,No", "Recover unsaved changes to Noname.SKD?")});
  EXPECT_FALSE(std::filesystem::exists(copy));
  EXPECT_EQ(tree.computerNode()->childCount(), 2);  // Gateway and Router, as they were
  dialogs.clear();
  document.OfferRecovery(settings);  // nothing left to offer
  EXPECT_TRUE(dialogs.boxes().empty());
}

// A plain file standing where the settings folder must go: no copy, no box, and the table
// stays modified.
TEST_F(TableDocumentTest, ARecoveryCopyThatCannotBeWrittenAsksNothing) {
  const std::string blocked = folder.file("cfg");
  WriteFileBytes(blocked, "not a folder");
  change();
  EXPECT_FALSE(document.WriteRecoveryCopy(blocked));
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(ReadFileBytes(blocked), "not a folder");
}

}  // namespace skelder::testing
