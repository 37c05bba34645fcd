#include <QCheckBox>
#include <QTest>
#include <filesystem>

#include "MainWindowFixture.h"
#include "gui/properties/SettingsPages.h"
#include "platform/posix/FreedesktopShellIntegration.h"

namespace skelder::testing {
namespace {

// Answers from what the test set and records every change it is asked for.
class FakeShellIntegration : public ShellIntegration {
 public:
  bool IsAssociated(const std::string& extension, const std::string& executable) override {
    calls.push_back("IsAssociated " + extension + " " + executable);
    return associated && writable;
  }
  bool MayAssociate() const override { return writable; }
  void Associate(const std::string& extension, const std::string& executable) override {
    calls.push_back("Associate " + extension + " " + executable);
  }
  void RemoveAssociation(const std::string& extension) override {
    calls.push_back("RemoveAssociation " + extension);
  }
  bool RunAtLogonPresent(const std::string& /*companion*/) override { return runAtLogon; }
  void SetRunAtLogon(bool on, const std::string& companion) override {
    calls.push_back(std::string("SetRunAtLogon ") + (on ? "on " : "off ") + companion);
  }
  bool associated = false;
  bool writable = true;
  bool runAtLogon = false;
  std::vector<std::string> calls;
};

class ShellIntegrationBoxes : public MainWindowFixture {
 protected:
  ShellIntegrationBoxes() { platform.shell.reset(shell); }
  SettingsPages& pages() { return *window->findChild<SettingsPages*>("SettingsPages"); }
  FakeShellIntegration* shell = new FakeShellIntegration;
};

TEST_F(ShellIntegrationBoxes, TheBoxesShowWhatTheSystemHoldsWhenTheWindowIsCreated) {
  shell->associated = true;
  shell->runAtLogon = true;
  create();
  EXPECT_EQ(shell->calls, std::vector<std::string>{"IsAssociated skd /opt/tt/Skelderc"});
  EXPECT_TRUE(pages().general().cbAssociateExt->isChecked());
  EXPECT_TRUE(pages().general().cbAssociateExt->isEnabled());
  EXPECT_TRUE(pages().general().cbRunOnStart->isChecked());
  EXPECT_TRUE(pages().general().cbRunOnStart->isEnabled());
  EXPECT_EQ(pages().general().cbAssociateExt->text(), "Associate extention SKD with Skelder");
  EXPECT_EQ(pages().general().cbRunOnStart->text(), "Run at log on to Windows");
}

TEST_F(ShellIntegrationBoxes, WithoutTheRightToAssociateTheBoxIsUntickedAndDisabled) {
  shell->associated = true;
  shell->writable = false;
  create();
  EXPECT_FALSE(pages().general().cbAssociateExt->isChecked());
  EXPECT_FALSE(pages().general().cbAssociateExt->isEnabled());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(ShellIntegrationBoxes, ClickingTheAssociationBoxWritesOrRemovesTheAssociation) {
  create();
  shell->calls.clear();
  pages().general().cbAssociateExt->click();
  pages().general().cbAssociateExt->click();
  EXPECT_EQ(shell->calls,
            (std::vector<std::string>{"Associate skd /opt/tt/Skelderc", "RemoveAssociation skd"}));
  // While the tree loads a click changes nothing in the system.
  shell->calls.clear();
  window->tree().setLoading(true);
  pages().general().cbAssociateExt->click();
  window->tree().setLoading(false);
  EXPECT_TRUE(shell->calls.empty());
}

TEST_F(ShellIntegrationBoxes, TheRunBoxWritesOnlyWhatDiffersFromTheSystem) {
  create();
  const std::string companion = folder.file("tt") + "/Skelder.exe";
  shell->calls.clear();
  pages().general().cbRunOnStart->click();  // ticked, not yet present
  shell->runAtLogon = true;
  pages().general().cbRunOnStart->click();  // unticked, present
  EXPECT_EQ(shell->calls, (std::vector<std::string>{"SetRunAtLogon on " + companion,
                                                    "SetRunAtLogon off " + companion}));
  // Ticked while another program already registered it: nothing to write.
  shell->calls.clear();
  pages().general().cbRunOnStart->click();
  EXPECT_TRUE(shell->calls.empty());
}

// With the desktop's own files in folders of the test: what one window writes, the next
// one reads back.
TEST_F(ShellIntegrationBoxes, TheFreedesktopFilesOutliveTheWindow) {
  class Quiet : public FreedesktopShellIntegration {
    using FreedesktopShellIntegration::FreedesktopShellIntegration;
    void associationsChanged() override {}
  };
  platform.shell = std::make_unique<Quiet>(folder.file("data"), folder.file("config"));
  create();
  EXPECT_TRUE(pages().general().cbAssociateExt->isEnabled());
  EXPECT_FALSE(pages().general().cbAssociateExt->isChecked());
  EXPECT_FALSE(pages().general().cbRunOnStart->isChecked());
  pages().general().cbAssociateExt->click();
  pages().general().cbRunOnStart->click();
  EXPECT_TRUE(std::filesystem::exists(folder.file("config/autostart/Skelder.desktop")));
  platform.shell = std::make_unique<Quiet>(folder.file("data"), folder.file("config"));
  create();
  EXPECT_TRUE(pages().general().cbAssociateExt->isChecked());
  EXPECT_TRUE(pages().general().cbRunOnStart->isChecked());
}

}  // namespace
}  // namespace skelder::testing
