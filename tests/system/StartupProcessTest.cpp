#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ProgramProcess.h"
#include "core/TableBytes.h"
#include "platform/Platform.h"
#include "platform/posix/FileSettingsStore.h"
#include "support/TestHttpServer.h"

namespace skelder::testing {

namespace fs = std::filesystem;

namespace {

// A table without connections: the signature and a node count of 0.
const std::string kEmptyTable("SKD21\0\0\0\0", 9);

std::string StoredText(const ProgramFolderFixture& folder, const std::string& name) {
  FileSettingsStore store(folder.configFile());
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return "(no key)";
  return key->readString(name).value_or("(missing)");
}

class StartupProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "no session bus";
  }
};

}  // namespace

TEST_F(StartupProcess, ASecondStartWakesTheFirstAndEnds) {
  ProgramFolderFixture folder;
  const pid_t first = folder.start({});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  auto receiver = CreateBroadcastReceiver({"SkeldercMessage", "SkelderRRMessage"});

  const pid_t second = folder.start({});
  EXPECT_EQ(folder.waitForExit(second, 20000), 0);
  EXPECT_EQ(receiver->waitForMessage(5000), "SkeldercMessage");
  EXPECT_TRUE(folder.isRunning(first));
  EXPECT_TRUE(folder.dialogLines().empty());

  // Closing the first saves the settings and tells the companion.
  EXPECT_EQ(folder.stop(first), 0);
  EXPECT_EQ(receiver->waitForMessage(5000), "SkelderRRMessage");
  EXPECT_EQ(StoredText(folder, "MultiStartInterval"), "5");
}

TEST_F(StartupProcess, AFileGivenToASecondStartIsHandedOverThroughTheTemporaryFolder) {
  ProgramFolderFixture folder;
  const pid_t first = folder.start({});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  auto receiver = CreateBroadcastReceiver({"SkeldercMessage"});

  const std::string table = folder.file("Routers.SKD");
  WriteFileBytes(table, kEmptyTable);
  const pid_t second = folder.start({table});
  EXPECT_EQ(folder.waitForExit(second, 20000), 0);
  EXPECT_EQ(receiver->waitForMessage(5000), "SkeldercMessage");
  const std::string copy = folder.programFolder() + "/Temp_TTL/~Routers.SKD";
  EXPECT_EQ(ReadFileBytes(copy), kEmptyTable);
  // The running program offers the file, named without the "~" of its copy, and then
  // empties the mailbox.
  for (int i = 0; i < 250 && folder.dialogLines().empty(); ++i) usleep(20000);
  EXPECT_EQ(folder.dialogLines(),
            std::vector<std::string>{
                "confirmation|Yes,No|Do you want to import file Routers.SKD into Skelder?"});
  for (int i = 0; i < 100 && StoredText(folder, "ParamName") != ""; ++i) usleep(20000);
  EXPECT_EQ(StoredText(folder, "ParamName"), "");
  folder.stop(first);
  EXPECT_TRUE(fs::exists(copy));  // closing does not remove the hand-over copy
}

TEST_F(StartupProcess, ARenamedProgramRefusesToRun) {
  ProgramFolderFixture folder("Skelderc2");
  const pid_t pid = folder.start({});
  EXPECT_EQ(folder.waitForExit(pid, 20000), 0);
  EXPECT_EQ(folder.dialogLines(),
            std::vector<std::string>{
                "error|OK|This application cannot be executed unless having the original "
                "name.\\rPlease rename it to 'Skelderc'"});
}

TEST_F(StartupProcess, WithoutTeraTermTheProgramRefusesToRun) {
  ProgramFolderFixture folder("Skelderc", false);
  const pid_t pid = folder.start({});
  EXPECT_EQ(folder.waitForExit(pid, 20000), 0);
  EXPECT_EQ(folder.dialogLines(),
            std::vector<std::string>{
                "error|OK|TTERMPRO.EXE not found.\\rPlease move Skelderc into TeraTerm "
                "directory."});
  EXPECT_FALSE(fs::exists(folder.programFolder() + "/Temp_TTL"));
}

TEST_F(StartupProcess, AMissingCompanionIsReportedAndAPresentOneIsStarted) {
  ProgramFolderFixture missing("Skelderc", true, false);
  const pid_t pid = missing.start({});
  ASSERT_TRUE(missing.waitForFlag("SkeldercSemaphore", 20000));
  EXPECT_EQ(missing.dialogLines(),
            std::vector<std::string>{"error|OK|File '" + missing.programFolder() +
                                     "/Skelder.exe' not found."});
  EXPECT_TRUE(missing.isRunning(pid));
  missing.stop(pid);

  ProgramFolderFixture present;
  const pid_t other = present.start({});
  ASSERT_TRUE(present.waitForFlag("SkeldercSemaphore", 20000));
  EXPECT_EQ(ReadFileBytes(present.standInLog() + "/companion.log"), "started\n");
  present.stop(other);
}

TEST_F(StartupProcess, LeftoverRunFilesAreRemovedAtStart) {
  ProgramFolderFixture folder;
  const std::string temp = folder.programFolder() + "/Temp_TTL/";
  fs::create_directory(temp);
  for (const char* name :
       {"~macroC1.ttl", "~TTiniC1.ini", "~macroC12.ttl", "~Routers.SKD", "keep.ttl"})
    WriteFileBytes(temp + name, "x");
  const pid_t pid = folder.start({});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  std::set<std::string> left;
  for (int i = 0; i < 250; ++i) {
    left.clear();
    for (const auto& entry : fs::directory_iterator(temp))
      left.insert(entry.path().filename().string());
    if (left.size() == 2) break;
    usleep(20000);
  }
  EXPECT_EQ(left, (std::set<std::string>{"~Routers.SKD", "keep.ttl"}));
  folder.stop(pid);
}

// Only the update window is shown; while a server keeps it checking the program runs,
// and closing the window (here by a polite end, as Cancel does) ends the program.
TEST_F(StartupProcess, TheUpdateCheckModeRunsUntilTheUpdateWindowClosesAndSavesTheSettings) {
  ProgramFolderFixture folder;
  TestHttpServer silent({"silent"});
  setenv("SKELDER_TERMINAL_UPDATE_BASE", silent.url("/tt").c_str(), 1);
  setenv("SKELDER_PRODUCT_UPDATE_BASE", silent.url("/sk").c_str(), 1);
  auto receiver = CreateBroadcastReceiver({"SkelderRRMessage"});
  const pid_t pid = folder.start({"upgradeCheck=true"});
  unsetenv("SKELDER_TERMINAL_UPDATE_BASE");
  unsetenv("SKELDER_PRODUCT_UPDATE_BASE");
  EXPECT_EQ(folder.waitForExit(pid, 1500), -1);  // still checking
  EXPECT_TRUE(folder.isRunning(pid));
  EXPECT_EQ(folder.stop(pid), 0);
  EXPECT_EQ(receiver->waitForMessage(5000), "SkelderRRMessage");
  EXPECT_EQ(StoredText(folder, "ParamName"), "upgradeCheck=true");
  EXPECT_EQ(StoredText(folder, "LastSKDFile"), "");
  EXPECT_TRUE(folder.dialogLines().empty());
}

TEST_F(StartupProcess, AFileArgumentWithALastTableIsOfferedForImport) {
  ProgramFolderFixture folder;
  const std::string last = folder.file("Last.SKD");
  const std::string argument = folder.file("New.SKD");
  WriteFileBytes(last, kEmptyTable);
  WriteFileBytes(argument, kEmptyTable);
  {
    fs::create_directories(fs::path(folder.configFile()).parent_path());
    FileSettingsStore store(folder.configFile());
    store.openKey(kSettingsKeyPath, true)->writeString("LastSKDFile", last);
  }
  folder.setAnswers("No\n");
  const pid_t pid = folder.start({argument});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  for (int i = 0; i < 250 && folder.dialogLines().empty(); ++i) usleep(20000);
  EXPECT_EQ(folder.dialogLines(),
            std::vector<std::string>{"confirmation|Yes,No|Do you want to import file New.SKD "
                                     "into Skelder?"});
  for (int i = 0; i < 100 && StoredText(folder, "ParamName") != ""; ++i) usleep(20000);
  EXPECT_EQ(StoredText(folder, "ParamName"), "");
  folder.stop(pid);
  EXPECT_EQ(StoredText(folder, "LastSKDFile"), last);
}

// SIGTERM with unsaved changes: no question that nobody may see, the changes in a
// recovery copy beside the settings, and the next start offers it.
TEST_F(StartupProcess, ATerminationWithUnsavedChangesLeavesARecoveryCopyForTheNextStart) {
  ProgramFolderFixture folder;
  const std::string last = folder.file("Last.SKD");
  const std::string argument = folder.file("New.SKD");
  WriteFileBytes(last, kEmptyTable);
  WriteFileBytes(argument, Table(Levels({{1, "Router"}})));
  {
    fs::create_directories(fs::path(folder.configFile()).parent_path());
    FileSettingsStore store(folder.configFile());
    store.openKey(kSettingsKeyPath, true)->writeString("LastSKDFile", last);
  }
  folder.setAnswers("Yes\n");  // the import of the argument: the table is modified
  const pid_t pid = folder.start({argument});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  for (int i = 0; i < 250 && folder.dialogLines().empty(); ++i) usleep(20000);
  ASSERT_EQ(folder.dialogLines().size(), 1u);
  usleep(300000);  // the import is done once the box is answered
  EXPECT_EQ(folder.stop(pid), 0);
  EXPECT_EQ(folder.dialogLines().size(), 1u);  // no save question
  const std::string copy =
      fs::path(folder.configFile()).parent_path().string() + "/Skelder recovery.SKD";
  EXPECT_EQ(ReadFileBytes(copy), Table(Levels({{1, "Router"}})));
  EXPECT_EQ(ReadFileBytes(last), kEmptyTable);
  EXPECT_EQ(StoredText(folder, "RecoveryOf"), last);

  folder.setAnswers("No\n");
  const pid_t again = folder.start({});
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  for (int i = 0; i < 250 && folder.dialogLines().size() < 2; ++i) usleep(20000);
  EXPECT_EQ(folder.dialogLines().back(),
            "confirmation|Yes,No|Recover unsaved changes to Last.SKD?");
  for (int i = 0; i < 100 && fs::exists(copy); ++i) usleep(20000);
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(folder.stop(again), 0);
}

// Eight starts at once: one takes the flag and runs, the seven others hand their files
// over and end.
TEST_F(StartupProcess, EightStartsAtOnceLeaveOneRunningInstance) {
  ProgramFolderFixture folder;
  folder.setAnswers("No\nNo\nNo\nNo\nNo\nNo\nNo\nNo\n");
  std::vector<pid_t> starts;
  for (int i = 0; i < 8; ++i) {
    const std::string table = folder.file("T" + std::to_string(i) + ".SKD");
    WriteFileBytes(table, kEmptyTable);
    starts.push_back(folder.start({table}));
  }
  ASSERT_TRUE(folder.waitForFlag("SkeldercSemaphore", 20000));
  int ended = 0;
  pid_t running = 0;
  for (pid_t pid : starts) {
    if (folder.waitForExit(pid, 3000) == 0)
      ++ended;
    else
      running = pid;
  }
  EXPECT_EQ(ended, 7);
  ASSERT_NE(running, 0);
  EXPECT_TRUE(folder.isRunning(running));
  // Each of the seven left its copy in the program's temporary folder.
  int copies = 0;
  for (int i = 0; i < 8; ++i)
    copies += fs::exists(folder.programFolder() + "/Temp_TTL/~T" + std::to_string(i) + ".SKD");
  EXPECT_EQ(copies, 7);
  EXPECT_EQ(folder.stop(running), 0);
}

}  // namespace skelder::testing
