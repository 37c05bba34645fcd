#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "../SettingsStoreConformance.h"
#include "platform/posix/FileSettingsStore.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

const std::string kKey = "Software\\Vantrell Solutions\\Skelder";

// Each store lives in its own folder for the length of the process.
StoreFactory FileStoreFactory() {
  return {"file", [] {
            static std::vector<std::unique_ptr<TempFolder>> folders;
            folders.push_back(std::make_unique<TempFolder>());
            return std::make_unique<FileSettingsStore>(
                folders.back()->file("Vantrell Solutions/Skelder.reg"));
          }};
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(FileStore, SettingsStoreConformance,
                         ::testing::Values(FileStoreFactory()));

TEST(FileSettingsStore, WritesTheRegistryExportFormat) {
  TempFolder folder;
  FileSettingsStore store(folder.file("Skelder.reg"));
  auto key = store.openKey(kKey, true);
  key->writeString("VarName", "A \"B\"");
  key->writeInteger("WinTop", 10);
  key->writeInteger("NT", -1);
  key->writeString("Two", "a\r\nb");
  key->writeString("", "default");
  EXPECT_EQ(ReadFileBytes(folder.file("Skelder.reg")),
            "REGEDIT4\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell Solutions]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell Solutions\\Skelder]\r\n"
            "\"VarName\"=\"A \\\"B\\\"\"\r\n"
            "\"WinTop\"=dword:0000000a\r\n"
            "\"NT\"=dword:ffffffff\r\n"
            "\"Two\"=hex(1):61,0d,0a,62,00\r\n"
            "@=\"default\"\r\n");
  EXPECT_EQ(FileSettingsStore(folder.file("Skelder.reg")).openKey(kKey, false)->readString(""),
            "default");
}

TEST(FileSettingsStore, SeesWhatAnotherProcessWrote) {
  TempFolder folder;
  FileSettingsStore mine(folder.file("Skelder.reg"));
  FileSettingsStore theirs(folder.file("Skelder.reg"));
  auto key = mine.openKey(kKey, true);
  key->writeString("ParamName", "first");
  theirs.openKey(kKey, true)->writeString("ParamName", "second");
  EXPECT_EQ(key->readString("ParamName"), "second");
  key->writeInteger("Other", 1);  // a write keeps the other's value
  EXPECT_EQ(theirs.openKey(kKey, false)->readString("ParamName"), "second");
}

// A batch (the window saving its settings) that another process writes into while it
// runs (a second start handing its file over) writes only what it changed.
TEST(FileSettingsStore, ABatchKeepsWhatAnotherProcessWroteMeanwhile) {
  TempFolder folder;
  FileSettingsStore mine(folder.file("Skelder.reg"));
  FileSettingsStore theirs(folder.file("Skelder.reg"));
  auto key = mine.openKey(kKey, true);
  key->writeString("Kept", "old");
  key->writeString("Gone", "old");
  key->writeString("Both", "old");
  mine.openKey(kKey + "\\Sub", true)->writeString("In", "sub");
  mine.beginBatch();
  key->writeString("Kept", "mine");
  key->deleteValue("Gone");
  key->writeString("Both", "mine");
  key->writeInteger("Added", 7);
  mine.deleteKey(kKey + "\\Sub");
  auto other = theirs.openKey(kKey, true);
  other->writeString("ParamName", "/tmp/Routers.SKD");
  other->writeString("Both", "theirs");
  theirs.openKey(kKey + "\\Theirs", true)->writeInteger("N", 1);
  EXPECT_TRUE(mine.endBatch());

  FileSettingsStore fresh(folder.file("Skelder.reg"));
  auto read = fresh.openKey(kKey, false);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->readString("ParamName"), "/tmp/Routers.SKD");
  EXPECT_EQ(read->readString("Kept"), "mine");
  EXPECT_EQ(read->readString("Both"), "mine");  // the batch's change goes over theirs
  EXPECT_EQ(read->readString("Gone"), std::nullopt);
  EXPECT_EQ(read->readInteger("Added"), 7);
  EXPECT_FALSE(fresh.openKey(kKey + "\\Sub", false));
  ASSERT_TRUE(fresh.openKey(kKey + "\\Theirs", false));
  EXPECT_EQ(fresh.openKey(kKey + "\\Theirs", false)->readInteger("N"), 1);
  // And the batch's own store sees the merged file.
  EXPECT_EQ(key->readString("ParamName"), "/tmp/Routers.SKD");
}

TEST(FileSettingsStore, AnUnreadableFileIsMovedAsideOnceAndTheStoreStartsEmpty) {
  TempFolder folder;
  const std::string path = folder.file("Skelder.reg");
  const std::string broken = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"Broken=\r\n";
  WriteFileBytes(path, broken);
  FileSettingsStore store(path);
  EXPECT_FALSE(store.openKey("Software", false));
  EXPECT_EQ(ReadFileBytes(path + ".broken"), broken);
  EXPECT_EQ(store.takeRecoveryNotice(),
            "The settings file " + path + " could not be read. It has been moved to " + path +
                ".broken and the program starts with its default settings.");
  EXPECT_EQ(store.takeRecoveryNotice(), "");

  // Every later broken file gets a name of its own: no earlier copy is lost.
  for (const std::string next : {".broken.2", ".broken.3"}) {
    WriteFileBytes(path, "not the format" + next);
    FileSettingsStore later(path);
    EXPECT_FALSE(later.openKey("Software", false));
    EXPECT_EQ(ReadFileBytes(path + next), "not the format" + next);
    EXPECT_EQ(later.takeRecoveryNotice(),
              "The settings file " + path + " could not be read. It has been moved to " + path +
                  next + " and the program starts with its default settings.");
  }
  EXPECT_EQ(ReadFileBytes(path + ".broken"), broken);

  // Keys deeper than the registry can hold make a file unreadable too.
  std::string deep = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER";
  for (int level = 0; level < 513; ++level) deep += "\\k";
  WriteFileBytes(path, deep + "]\r\n");
  EXPECT_FALSE(FileSettingsStore(path).openKey("k", false));
  EXPECT_EQ(ReadFileBytes(path + ".broken.4"), deep + "]\r\n");
}

TEST(FileSettingsStore, AFolderAtThePathStaysAsItIsAndWritesFail) {
  TempFolder folder;
  const std::string path = folder.file("Skelder.reg");
  std::filesystem::create_directory(path);
  WriteFileBytes(path + "/inside", "kept");
  FileSettingsStore store(path);
  EXPECT_FALSE(store.openKey(kKey, false));
  EXPECT_EQ(store.takeRecoveryNotice(),
            "The settings file " + path +
                " could not be read. It was left as it is and the program starts with its "
                "default settings.");
  EXPECT_EQ(store.takeRecoveryNotice(), "");
  auto key = store.openKey(kKey, true);
  EXPECT_TRUE(!key || !key->writeString("VarName", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(ReadFileBytes(path + "/inside"), "kept");
  EXPECT_FALSE(std::filesystem::exists(path + ".broken"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FileSettingsStore, WritesGoThroughASymbolicLink) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("dotfiles"));
  const std::string real = folder.file("dotfiles/Skelder.reg");
  const std::string link = folder.file("Skelder.reg");
  std::filesystem::create_symlink(real, link);  // dangling until the first write
  FileSettingsStore store(link);
  ASSERT_TRUE(store.openKey(kKey, true)->writeString("VarName", "first"));
  ASSERT_TRUE(store.openKey(kKey, true)->writeString("VarName", "second"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(FileSettingsStore(real).openKey(kKey, false)->readString("VarName"), "second");

  // A broken file behind the link is moved aside there; the link stays for the next write.
  WriteFileBytes(real, "garbage");
  FileSettingsStore reader(link);
  EXPECT_FALSE(reader.openKey(kKey, false));
  EXPECT_EQ(ReadFileBytes(real + ".broken"), "garbage");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  ASSERT_TRUE(reader.openKey(kKey, true)->writeString("VarName", "third"));
  EXPECT_EQ(FileSettingsStore(real).openKey(kKey, false)->readString("VarName"), "third");
}

TEST(FileSettingsStore, UnwritableStoreFailsWritesAndKeepsWhatIsThere) {
  TempFolder folder;
  // A plain file stands where the store's folder must go.
  WriteFileBytes(folder.file("Vantrell Solutions"), "not a folder");
  FileSettingsStore store(folder.file("Vantrell Solutions/Skelder.reg"));
  EXPECT_FALSE(store.openKey(kKey, true));
  EXPECT_FALSE(store.openKey(kKey, false));
  EXPECT_EQ(ReadFileBytes(folder.file("Vantrell Solutions")), "not a folder");
}

TEST(FileSettingsStore, AFailedWriteLeavesTheOldValue) {
  TempFolder folder;
  const std::string dir = folder.file("store");
  std::filesystem::create_directory(dir);
  FileSettingsStore store(dir + "/Skelder.reg");
  auto key = store.openKey(kKey, true);
  ASSERT_TRUE(key->writeString("VarName", "old"));
  const std::string before = ReadFileBytes(dir + "/Skelder.reg");
  // The temporary file cannot be made: a folder stands where it must go.
  std::filesystem::create_directory(dir + "/Skelder.reg.~" + std::to_string(getpid()) + ".tmp");
  EXPECT_FALSE(key->writeString("VarName", "new"));
  EXPECT_EQ(key->readString("VarName"), "old");
  EXPECT_EQ(ReadFileBytes(dir + "/Skelder.reg"), before);
}

// A writer killed at random moments leaves either the old or the new content.
TEST(FileSettingsStore, SurvivesACrashInTheMiddleOfAWrite) {
  TempFolder folder;
  const std::string path = folder.file("Skelder.reg");
  {
    FileSettingsStore store(path);
    store.openKey(kKey, true)->writeString("Value", std::string(20000, 'a'));
  }
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      FileSettingsStore store(path);
      auto key = store.openKey(kKey, true);
      for (int i = 0;; ++i)
        key->writeString("Value", std::string(20000, static_cast<char>('a' + i % 2)));
    }
    usleep(std::uniform_int_distribution<useconds_t>(1000, 20000)(random));
    SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    FileSettingsStore reader(path);
    auto value = reader.openKey(kKey, false);
    ASSERT_TRUE(value) << "round " << round;
    auto text = value->readString("Value");
    ASSERT_TRUE(text);
    EXPECT_TRUE(*text == std::string(20000, 'a') || *text == std::string(20000, 'b'));
    EXPECT_EQ(reader.takeRecoveryNotice(), "");
  }
  // The next write clears away what the killed writers left.
  FileSettingsStore store(path);
  ASSERT_TRUE(store.openKey(kKey, true)->writeString("Value", "done"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace skelder::testing
