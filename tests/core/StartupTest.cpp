#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/SettingsStorage.h"
#include "core/app/Startup.h"
#include "core/base/ProgramFolder.h"
#include "platform/Platform.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace fs = std::filesystem;

namespace {

const std::string kSep(1, PathSeparator());
const std::string kOwnName = std::string("Skelderc") + ExecutableSuffix();

class RecordingHost : public StartupHost {
 public:
  void showSplash() override { calls.push_back("splash"); }
  void letSplashPaint() override { calls.push_back("paint"); }
  int runWindows(bool updateCheckMode) override {
    calls.push_back(updateCheckMode ? "windows:update-check" : "windows");
    return 0;
  }
  std::vector<std::string> calls;
};

// A Tera Term folder with the program, ttermpro.exe and the companion.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest()
      : program(folder.path() + kSep + "tt" + kSep), services{store,       flags,
                                                              broadcaster, starter,
                                                              system,      dialogs,
                                                              program,     program + kOwnName} {
    fs::create_directory(program);
    WriteFileBytes(program + "ttermpro.exe", "MZ");
    WriteFileBytes(program + "Skelder.exe", "MZ");
    system.executable = program + kOwnName;
    flags.heldElsewhere.insert("SkelderSemaphore");  // the companion runs
  }
  int start(std::vector<std::string> arguments) { return RunStartup(arguments, services, host); }

  TempFolder folder;
  std::string program;
  MemorySettingsStore store;
  FakeFlags flags;
  FakeBroadcaster broadcaster;
  FakeStarter starter;
  FakeSystem system;
  ScriptedDialogs dialogs;
  RecordingHost host;
  StartupServices services;
};

}  // namespace

TEST_F(StartupTest, AFirstStartShowsTheSplashAndRunsTheWindows) {
  EXPECT_EQ(start({}), 0);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"splash", "paint", "windows"}));
  EXPECT_EQ(flags.created, (std::vector<std::string>{"SkelderSemaphore", "SkeldercSemaphore"}));
  EXPECT_TRUE(broadcaster.sent.empty());
  EXPECT_TRUE(starter.started.empty());
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_FALSE(store.openKey(kSettingsKeyPath, false));  // no argument: nothing written
}

// A later start's wake-up must reach the first instance even while its windows are being
// made: it listens before it takes its flag, long before the splash.
TEST_F(StartupTest, TheInstanceListensForLaterStartsBeforeTakingItsFlag) {
  struct ListeningHost : RecordingHost {
    void listenForLaterStarts() override { calls.push_back("listen"); }
  } listening;
  EXPECT_EQ(RunStartup({}, services, listening), 0);
  EXPECT_EQ(listening.calls, (std::vector<std::string>{"listen", "splash", "paint", "windows"}));
  listening.calls.clear();
  flags.heldElsewhere.insert("SkeldercSemaphore");
  EXPECT_EQ(RunStartup({}, services, listening), 0);
  EXPECT_EQ(listening.calls, std::vector<std::string>{"listen"});  // then it ends
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkeldercMessage"});
}

TEST_F(StartupTest, TheUpdateCheckArgumentShowsNoSplash) {
  start({"upgradeCheck=true"});
  EXPECT_EQ(host.calls, (std::vector<std::string>{"paint", "windows:update-check"}));
  EXPECT_EQ(ReadParamName(store), "upgradeCheck=true");
  host.calls.clear();
  start({"upgradeCheck=true", "more"});  // only exactly one argument means the mode
  EXPECT_EQ(host.calls, (std::vector<std::string>{"splash", "paint", "windows"}));
}

TEST_F(StartupTest, ASecondStartWithoutArgumentWakesTheFirstAndEnds) {
  flags.heldElsewhere.insert("SkeldercSemaphore");
  EXPECT_EQ(start({}), 0);
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkeldercMessage"});
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(StartupTest, ASecondStartHandsItsFileOverThroughTheTemporaryFolder) {
  flags.heldElsewhere.insert("SkeldercSemaphore");
  const std::string file = folder.file("Routers.SKD");
  WriteFileBytes(file, "SKD21 table bytes");
  start({file});
  const std::string copy = program + "Temp_TTL" + kSep + "~Routers.SKD";
  EXPECT_EQ(ReadFileBytes(copy), "SKD21 table bytes");
  EXPECT_EQ(ReadParamName(store), copy);
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkeldercMessage"});
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(StartupTest, ASecondStartThatCannotMakeTheTemporaryFolderEndsQuietly) {
  flags.heldElsewhere.insert("SkeldercSemaphore");
  WriteFileBytes(program + "Temp_TTL", "a plain file where the folder must go");
  const std::string file = folder.file("Routers.SKD");
  WriteFileBytes(file, "SKD21");
  start({file});
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{
                ErrorBox("Cannot create directory" + program + "Temp_TTL"),
                ErrorBox("Failed to create temporary folder. The file cannot be imported.")}));
  EXPECT_TRUE(broadcaster.sent.empty());
  EXPECT_EQ(ReadParamName(store), file);  // as step 1 wrote it
}

TEST_F(StartupTest, AFailingInstanceFlagCountsAsFirstInstance) {
  flags.failing.insert("SkeldercSemaphore");
  start({});
  EXPECT_EQ(host.calls, (std::vector<std::string>{"splash", "paint", "windows"}));
}

TEST_F(StartupTest, TheCompanionIsStartedWhenItIsNotRunning) {
  flags.heldElsewhere.clear();
  start({});
  EXPECT_EQ(starter.started, std::vector<std::string>{program + "Skelder.exe||"});
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(StartupTest, AMissingCompanionIsReportedAndStartUpGoesOn) {
  flags.heldElsewhere.clear();
  fs::remove(program + "Skelder.exe");
  start({});
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("File '" + program + "Skelder.exe' not found.")});
  EXPECT_TRUE(starter.started.empty());
  EXPECT_EQ(host.calls.back(), "windows");
}

TEST_F(StartupTest, TheExecutableMustHaveItsOriginalName) {
  struct Case {
    std::string name;
    bool accepted;
  } cases[] = {{"Skelderc", true},   {"SKELDERC", true},   {"skelderc", true},
               {"Skeldercx", false}, {"Skelderc1", false}, {"Skelder", false}};
  for (const auto& c : cases) {
    dialogs.clear();
    host.calls.clear();
    services.executablePath = program + c.name + ExecutableSuffix();
    start({});
    EXPECT_EQ(!host.calls.empty() && host.calls.back() == "windows", c.accepted) << c.name;
    if (!c.accepted)
      EXPECT_EQ(dialogs.boxes(),
                std::vector<RecordedBox>{
                    ErrorBox("This application cannot be executed unless having the original "
                             "name.\rPlease rename it to '" +
                             kOwnName + "'")});
  }
}

TEST_F(StartupTest, WithoutTeraTermTheProgramEnds) {
  fs::remove(program + "ttermpro.exe");
  start({});
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("TTERMPRO.EXE not found.\rPlease move " + kOwnName +
                                              " into TeraTerm directory.")});
  EXPECT_EQ(host.calls, (std::vector<std::string>{"splash", "paint"}));
}

TEST_F(StartupTest, AStoreThatWasSetAsideIsReportedOnce) {
  store.recoveryNotice = "The settings file could not be read.";
  start({});
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{WarningBox("The settings file could not be read.")});
  dialogs.clear();
  start({});
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(StartupTest, CleanTemporaryFilesRemovesOnlyTheRunFiles) {
  const std::string temp = program + "Temp_TTL" + kSep;
  fs::create_directory(temp);
  for (const char* name :
       {"~macroC1.ttl", "~macroC128.ttl", "~MACROC7.TTL", "~TTiniC3.ini", "~ttinic12.INI",
        "~Routers.SKD", "~macroC1.txt", "macroC1.ttl", "~TTiniC.ini.bak", "notes.txt"})
    WriteFileBytes(temp + name, "x");
  fs::create_directory(temp + "~macroCdir.ttl");
  start({});
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(temp))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"~Routers.SKD", "~macroC1.txt", "macroC1.ttl",
                                         "~TTiniC.ini.bak", "notes.txt", "~macroCdir.ttl"}));
}

TEST_F(StartupTest, CleanTemporaryFilesMakesTheFolderOrSaysWhyNot) {
  CleanTemporaryFiles(program, dialogs);
  EXPECT_TRUE(fs::is_directory(program + "Temp_TTL"));
  fs::remove(program + "Temp_TTL");
  WriteFileBytes(program + "Temp_TTL", "plain");
  CleanTemporaryFiles(program, dialogs);
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Cannot create directory" + program + "Temp_TTL")});
}

TEST(MatchesWildcard, MatchesLikeTheFileSearch) {
  struct Case {
    const char* name;
    const char* pattern;
    bool match;
  } cases[] = {{"~macroC1.ttl", "~macroC*.ttl", true},
               {"~macroC.ttl", "~macroC*.ttl", true},
               {"~MacroC9.TTL", "~macroC*.ttl", true},
               {"~macroC1.ttl2", "~macroC*.ttl", false},
               {"x~macroC1.ttl", "~macroC*.ttl", false},
               {"a.ttl.ttl", "*.ttl", true},
               {"abc", "a?c", true},
               {"ac", "a?c", false},
               {"", "*", true}};
  for (const auto& c : cases) EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.match) << c.name;
}

TEST(ProgramFolder, FormsPathsInTheProgramFolder) {
  EXPECT_EQ(ProgramFilePath("/opt/tt/", "ttermpro.exe"), "/opt/tt/ttermpro.exe");
  EXPECT_EQ(ProgramFilePath("/opt/tt", "ttermpro.exe"), "/opt/tt" + kSep + "ttermpro.exe");
  EXPECT_EQ(ProgramFilePath("C:\\TT\\", "ttermpro.exe"), "C:\\TT\\ttermpro.exe");
  EXPECT_EQ(ProgramFilePath("/opt/tt/", ""), "/opt/tt/");
  EXPECT_EQ(FileNameOf("/a/b/~Routers.SKD"), "~Routers.SKD");
  EXPECT_EQ(FolderOf("/a/b/c.SKD"), "/a/b/");
}

}  // namespace skelder::testing
