#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "MainWindowFixture.h"

namespace skelder::testing {

namespace fs = std::filesystem;

using MainWindowStart = MainWindowFixture;

TEST_F(MainWindowStart, TheCaptionNamesTheTableOrNoname) {
  auto& window = create();
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD]");
  window.UpdateCaption(true);
  EXPECT_EQ(window.windowTitle(), "Skelder Configuration - [Noname.SKD*]");

  const std::string table = folder.file("Routers.SKD");
  WriteFileBytes(table, kEmptyTable);
  auto& opened = create({table});  // no last table: the argument opens
  EXPECT_EQ(opened.document().fileName(), table);
  EXPECT_EQ(opened.windowTitle(), "Skelder Configuration - [Routers.SKD]");
  EXPECT_FALSE(opened.document().importPending());
  EXPECT_EQ(ReadParamName(*store), "");  // done with: the next start does not offer it
}

TEST_F(MainWindowStart, TheDelayedImportQuestionAsksOnceAndClearsTheMailbox) {
  const std::string last = folder.file("Last.SKD");
  const std::string argument = folder.file("New.SKD");
  WriteFileBytes(last, kEmptyTable);
  WriteFileBytes(argument, kEmptyTable);
  store->openKey(kSettingsKeyPath, true)->writeString("LastSKDFile", last);

  auto& window = create({argument});
  EXPECT_EQ(window.document().fileName(), last);
  auto* timer3 = window.findChild<QTimer*>("Timer3");
  ASSERT_TRUE(timer3);
  EXPECT_TRUE(timer3->isActive());
  EXPECT_EQ(timer3->interval(), 500);

  dialogs.answer("No");
  QTRY_VERIFY_WITH_TIMEOUT(!dialogs.boxes().empty(), 3000);
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ConfirmBox(
                                 "Yes,No", "Do you want to import file New.SKD into Skelder?")});
  EXPECT_FALSE(timer3->isActive());
  EXPECT_EQ(ReadParamName(*store), "");
}

TEST_F(MainWindowStart, AnArgumentThatIsNoFileIsNotAskedAbout) {
  const std::string last = folder.file("Last.SKD");
  WriteFileBytes(last, kEmptyTable);
  store->openKey(kSettingsKeyPath, true)->writeString("LastSKDFile", last);
  create({folder.file("Gone.SKD")});
  QTest::qWait(700);
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(ReadParamName(*store), "");
}

TEST_F(MainWindowStart, ClosingSavesTheSettingsAndRemovesRunFiles) {
  fs::create_directory(folder.file("tt/Temp_TTL"));
  WriteFileBytes(folder.file("tt/Temp_TTL/~macroC4.ttl"), "x");
  auto& window = create();
  window.setGeometry(50, 60, 800, 600);
  window.show();
  window.close();
  EXPECT_FALSE(fs::exists(folder.file("tt/Temp_TTL/~macroC4.ttl")));
  EXPECT_EQ(broadcaster->sent, std::vector<std::string>{"SkelderRRMessage"});
  auto key = store->openKey(kSettingsKeyPath, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->readInteger("WinWidth"), 800);
  EXPECT_EQ(key->readInteger("WinHeight"), 600);
  EXPECT_EQ(key->readInteger("WinMaximized"), 0);
  EXPECT_EQ(key->readString("LastSKDFile"), "");
}

}  // namespace skelder::testing
