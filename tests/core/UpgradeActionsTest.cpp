#include "core/integration/UpgradeActions.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"

namespace skelder::testing {

namespace {

const std::string kRunning =
    "TeraTerm is currently running. It has to be closed to perform the upgrade.\r\nUse <Alt-Tab> "
    "key combination to switch between applications and close all open TeraTerm windows.\r\nThen "
    "return to Skelder and press 'OK' button in this window to start upgrade.";
const std::string kBackup =
    "TeraTerm installation program will overwrite your current TeraTerm settings.\r\rSkelder can "
    "backup your 'teraterm.ini' file before installing new version. You can restore it after "
    "upgrade by choosing 'File -> TeraTerm Configuration -> Restore' menu of Skelder "
    "Configuration window.\r\rDo you want to backup 'teraterm.ini' file?";
const std::string kClosing =
    "Skelder will close now to perform the upgrade.\rPress Ok to continue.";
const std::string kUrl = "https://www.vantrell.com/freeware/TeraTerm/teraterm_utf8_53.exe";

// Tera Term runs for the first `runs` looks.
class CountedProcesses : public ProcessList {
 public:
  bool isRunning(const std::string& name) const override {
    asked.push_back(name);
    return runs-- > 0;
  }
  mutable int runs = 0;
  mutable std::vector<std::string> asked;
};

class UpgradeActionsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  CountedProcesses processes;
  FakeStarter starter;
  FakeBroadcaster broadcaster;
  int backups = 0;
  bool mayClose = true;
  UpgradeServices services{
      dialogs, processes, starter, broadcaster, [this] { return mayClose; }, [this] { ++backups; }};
};

}  // namespace

TEST_F(UpgradeActionsTest, TeraTermWaitsUntilNoTeraTermRunsOffersTheBackupAndOpensTheInstaller) {
  processes.runs = 2;
  for (const char* answer : {"OK", "OK", "Yes"}) dialogs.answer(answer);
  EXPECT_TRUE(UpgradeTeraTerm(services, kUrl));
  EXPECT_EQ(dialogs.boxes(), (std::vector<RecordedBox>{{"warning", "OK,Cancel", kRunning},
                                                       {"warning", "OK,Cancel", kRunning},
                                                       ConfirmBox("Yes,No,Cancel", kBackup),
                                                       InformationBox(kClosing)}));
  EXPECT_EQ(processes.asked, std::vector<std::string>(3, "TTERMPRO.EXE"));
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(starter.started, std::vector<std::string>{kUrl + "||"});
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkelderStopMessage"});
}

TEST_F(UpgradeActionsTest, TeraTermStopsAtEachCancel) {
  const struct {
    int runs;
    std::vector<std::string> answers;
    std::size_t boxes;
  } cases[] = {
      {1, {"Cancel"}, 1},  // Tera Term still running
      {0, {"Cancel"}, 1},  // the backup question
  };
  for (const auto& c : cases) {
    dialogs.clear();
    processes.runs = c.runs;
    for (const auto& answer : c.answers) dialogs.answer(answer);
    EXPECT_FALSE(UpgradeTeraTerm(services, kUrl));
    EXPECT_EQ(dialogs.boxes().size(), c.boxes);
  }
  EXPECT_EQ(backups, 0);
  EXPECT_TRUE(starter.started.empty());
  EXPECT_TRUE(broadcaster.sent.empty());
}

TEST_F(UpgradeActionsTest, WithoutBackupAndWhenTheProgramMayNotCloseNothingStarts) {
  dialogs.answer("No");
  mayClose = false;
  EXPECT_FALSE(UpgradeTeraTerm(services, kUrl));
  EXPECT_EQ(dialogs.boxes().back(), InformationBox(kClosing));
  EXPECT_EQ(backups, 0);
  EXPECT_TRUE(starter.started.empty());
  EXPECT_TRUE(broadcaster.sent.empty());

  mayClose = true;
  dialogs.answer("No");
  EXPECT_TRUE(UpgradeTeraTerm(services, kUrl));
  EXPECT_EQ(backups, 0);
  EXPECT_EQ(starter.started.size(), 1u);
}

TEST_F(UpgradeActionsTest, TheProductAnnouncesTheCloseAndOpensItsInstaller) {
  const std::string url = "https://www.vantrell.com/freeware/Skelder/setup101.exe";
  processes.runs = 5;  // a running Tera Term does not matter here
  EXPECT_TRUE(UpgradeProduct(services, url));
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{InformationBox(kClosing)});
  EXPECT_EQ(starter.started, std::vector<std::string>{url + "||"});
  EXPECT_EQ(broadcaster.sent, std::vector<std::string>{"SkelderStopMessage"});
  EXPECT_TRUE(processes.asked.empty());

  EXPECT_FALSE(UpgradeProduct(services, ""));  // no link, nothing to open
  EXPECT_FALSE(UpgradeTeraTerm(services, ""));
  EXPECT_EQ(starter.started.size(), 1u);
}

}  // namespace skelder::testing
