#include "platform/RegistryShellIntegration.h"

#include <gtest/gtest.h>

#include "support/MemorySettingsStore.h"

namespace skelder::testing {
namespace {

const std::string kExe = "C:\\Program Files\\teraterm\\Skelderc.exe";
const std::string kCompanion = "C:\\Program Files\\teraterm\\Skelder.exe";

// Counts the shell's notifications.
class CountingIntegration : public RegistryShellIntegration {
 public:
  CountingIntegration(MemorySettingsStore* classes, MemorySettingsStore* user)
      : RegistryShellIntegration(std::unique_ptr<SettingsStore>(classes),
                                 std::unique_ptr<SettingsStore>(user)) {}
  int notified = 0;

 protected:
  void associationsChanged() override { ++notified; }
};

class RegistryShellIntegrationTest : public ::testing::Test {
 protected:
  std::string defaultValue(const std::string& path) {
    auto key = classes->openKey(path, false);
    return key ? key->readString("").value_or("<no value>") : "<no key>";
  }
  MemorySettingsStore* classes = new MemorySettingsStore;
  MemorySettingsStore* user = new MemorySettingsStore;
  CountingIntegration shell{classes, user};
};

TEST_F(RegistryShellIntegrationTest, TheFirstCheckLeavesAnEmptyFileTypeKeyAndFindsNoAssociation) {
  EXPECT_FALSE(shell.MayAssociate());
  EXPECT_FALSE(shell.IsAssociated("skd", kExe));
  EXPECT_TRUE(shell.MayAssociate());
  ASSERT_TRUE(classes->openKey("skdfile", false));
  EXPECT_EQ(defaultValue("skdfile"), "<no value>");
  EXPECT_EQ(defaultValue(".skd"), "<no key>");
  EXPECT_EQ(shell.notified, 0);
}

TEST_F(RegistryShellIntegrationTest, AssociatingWritesTheLayoutTheShellReads) {
  shell.IsAssociated("skd", kExe);
  shell.Associate("skd", kExe);
  EXPECT_EQ(defaultValue(".skd"), "skdfile");
  EXPECT_EQ(defaultValue("skdfile\\DefaultIcon"), kExe + ",0");
  EXPECT_EQ(defaultValue("skdfile\\shell\\open\\command"), kExe + " \"%1\"");
  EXPECT_EQ(shell.notified, 1);
  EXPECT_TRUE(shell.IsAssociated("skd", kExe));
}

TEST_F(RegistryShellIntegrationTest, AnyDifferenceFromThisCopysLayoutReadsAsAbsent) {
  shell.Associate("skd", kExe);
  // Another copy of the program, letter case included, or one value changed by others.
  EXPECT_FALSE(shell.IsAssociated("skd", "D:\\tt\\Skelderc.exe"));
  EXPECT_FALSE(shell.IsAssociated("skd", "c:\\Program Files\\teraterm\\Skelderc.exe"));
  classes->openKey("skdfile\\shell\\open\\command", true)
      ->writeString("", "\"" + kExe + "\" \"%1\"");
  EXPECT_FALSE(shell.IsAssociated("skd", kExe));
  classes->openKey(".skd", true)->writeString("", "otherfile");
  shell.Associate("skd", kExe);  // ticking the box rewrites it for this copy
  EXPECT_TRUE(shell.IsAssociated("skd", kExe));
}

TEST_F(RegistryShellIntegrationTest, RemovingDeletesBothKeysWithEverythingBelowThem) {
  shell.IsAssociated("skd", kExe);
  shell.Associate("skd", kExe);
  classes->openKey("skdfile\\shell\\edit\\command", true)->writeString("", "notepad \"%1\"");
  classes->openKey(".skd\\OpenWithProgids", true)->writeString("other.skd", "");
  classes->openKey("skdx", true);  // a neighbour stays
  shell.RemoveAssociation("skd");
  EXPECT_EQ(shell.notified, 2);
  for (const char* key : {".skd", ".skd\\OpenWithProgids", "skdfile", "skdfile\\DefaultIcon",
                          "skdfile\\shell\\open\\command", "skdfile\\shell\\edit\\command"})
    EXPECT_FALSE(classes->openKey(key, false)) << key;
  EXPECT_TRUE(classes->openKey("skdx", false));
  EXPECT_FALSE(shell.IsAssociated("skd", kExe));
}

TEST_F(RegistryShellIntegrationTest, WithoutWriteAccessNothingIsAssociatedOrChanged) {
  // Associated by someone who could write the keys.
  classes->openKey(".skd", true)->writeString("", "skdfile");
  classes->openKey("skdfile\\DefaultIcon", true)->writeString("", kExe + ",0");
  classes->openKey("skdfile\\shell\\open\\command", true)->writeString("", kExe + " \"%1\"");
  classes->failWrites = true;
  EXPECT_FALSE(shell.IsAssociated("skd", kExe));
  EXPECT_FALSE(shell.MayAssociate());
  shell.RemoveAssociation("skd");
  shell.Associate("skd", "D:\\tt\\Skelderc.exe");
  EXPECT_EQ(shell.notified, 0);
  EXPECT_EQ(defaultValue(".skd"), "skdfile");
  EXPECT_EQ(defaultValue("skdfile\\DefaultIcon"), kExe + ",0");
  // Once learnt, the answer holds for the run.
  classes->failWrites = false;
  EXPECT_FALSE(shell.IsAssociated("skd", kExe));
}

TEST_F(RegistryShellIntegrationTest, TheRunValueHoldsTheCompanionsPathExactly) {
  EXPECT_FALSE(shell.RunAtLogonPresent(kCompanion));
  EXPECT_TRUE(user->openKey(kRunKeyPath, false));  // the check opens the key, creating it
  shell.SetRunAtLogon(true, kCompanion);
  EXPECT_EQ(user->openKey(kRunKeyPath, false)->readString("Skelder.exe"), kCompanion);
  EXPECT_TRUE(shell.RunAtLogonPresent(kCompanion));
  EXPECT_FALSE(shell.RunAtLogonPresent("C:\\PROGRAM FILES\\teraterm\\Skelder.exe"));
  shell.SetRunAtLogon(false, kCompanion);
  EXPECT_EQ(user->openKey(kRunKeyPath, false)->readString("Skelder.exe"), std::nullopt);
  EXPECT_FALSE(shell.RunAtLogonPresent(kCompanion));
}

}  // namespace
}  // namespace skelder::testing
