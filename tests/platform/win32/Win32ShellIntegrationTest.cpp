#include "platform/win32/Win32ShellIntegration.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/win32/RegistrySettingsStore.h"

namespace skelder::testing {
namespace {

// The real registry below fresh keys of both roots, removed at the end; the shell is
// told of the changes as for the real association.
class Win32ShellIntegrationTest : public ::testing::Test {
 protected:
  Win32ShellIntegrationTest()
      : base_("SkelderTests\\" + std::to_string(std::mt19937{std::random_device{}()}())),
        shell_(std::make_unique<RegistrySettingsStore>(RegistryRoot::ClassesRoot, base_),
               std::make_unique<RegistrySettingsStore>(RegistryRoot::CurrentUser,
                                                       "Software\\" + base_)) {}
  ~Win32ShellIntegrationTest() override {
    RegistrySettingsStore(RegistryRoot::ClassesRoot).deleteKey(base_);
    RegistrySettingsStore(RegistryRoot::CurrentUser).deleteKey("Software\\" + base_);
  }
  std::string base_;
  Win32ShellIntegration shell_;
  RegistrySettingsStore classes_{RegistryRoot::ClassesRoot, base_};
  RegistrySettingsStore user_{RegistryRoot::CurrentUser, "Software\\" + base_};
};

TEST_F(Win32ShellIntegrationTest, TheAssociationAndTheRunValueLiveInTheRegistry) {
  const std::string exe = "C:\\Program Files\\teraterm\\Skelderc.exe";
  EXPECT_FALSE(shell_.IsAssociated("skd", exe));
  ASSERT_TRUE(shell_.MayAssociate());
  EXPECT_TRUE(classes_.openKey("skdfile", false));

  shell_.Associate("skd", exe);
  EXPECT_EQ(classes_.openKey(".skd", false)->readString(""), "skdfile");
  EXPECT_EQ(classes_.openKey("skdfile\\DefaultIcon", false)->readString(""), exe + ",0");
  EXPECT_EQ(classes_.openKey("skdfile\\shell\\open\\command", false)->readString(""),
            exe + " \"%1\"");
  EXPECT_TRUE(shell_.IsAssociated("skd", exe));

  shell_.RemoveAssociation("skd");
  EXPECT_FALSE(classes_.openKey(".skd", false));
  EXPECT_FALSE(classes_.openKey("skdfile", false));

  const std::string companion = "C:\\Program Files\\teraterm\\Skelder.exe";
  shell_.SetRunAtLogon(true, companion);
  EXPECT_EQ(user_.openKey(kRunKeyPath, false)->readString("Skelder.exe"), companion);
  EXPECT_TRUE(shell_.RunAtLogonPresent(companion));
  shell_.SetRunAtLogon(false, companion);
  EXPECT_FALSE(shell_.RunAtLogonPresent(companion));
}

}  // namespace
}  // namespace skelder::testing
