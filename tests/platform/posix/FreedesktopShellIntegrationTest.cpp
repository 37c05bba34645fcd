#include "platform/posix/FreedesktopShellIntegration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/posix/DesktopExec.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

namespace fs = std::filesystem;

// Counts the notifications instead of rebuilding the desktop's caches.
class QuietIntegration : public FreedesktopShellIntegration {
 public:
  using FreedesktopShellIntegration::FreedesktopShellIntegration;
  int notified = 0;

 protected:
  void associationsChanged() override { ++notified; }
};

class FreedesktopShellIntegrationTest : public ::testing::Test {
 protected:
  FreedesktopShellIntegrationTest() { fs::create_directory(home.file("tt")); }
  TempFolder home;
  QuietIntegration shell{home.file("data"), home.file("config")};
};

TEST(DesktopExecLine, QuotesAndEscapesWhatTheLauncherWouldReadOtherwise) {
  const struct {
    std::vector<std::string> arguments;
    std::string line;
  } cases[] = {
      {{"/opt/tt/Skelderc"}, "/opt/tt/Skelderc"},
      {{"/home/ann/Tera Term/Skelderc"}, R"("/home/ann/Tera Term/Skelderc")"},
      {{"wine", "/tt/Skelder.exe"}, "wine /tt/Skelder.exe"},
      {{"/a$b/\"q\"/`c`"}, R"("/a\\$b/\\"q\\"/\\`c\\`")"},
      {{"/back\\slash"}, R"("/back\\\\slash")"},
      {{"/100%/x"}, "/100%%/x"},
      {{""}, R"("")"},
  };
  for (const auto& c : cases) EXPECT_EQ(DesktopExecLine(c.arguments), c.line) << c.line;
}

TEST_F(FreedesktopShellIntegrationTest, AssociatingWritesTheMimeTypeAndTheEntryThatOpensIt) {
  EXPECT_FALSE(shell.IsAssociated("skd", "/opt/tt/Skelderc"));
  EXPECT_TRUE(shell.MayAssociate());
  // The first check leaves the folders of both files.
  EXPECT_TRUE(fs::is_directory(home.file("data/mime/packages")));
  EXPECT_TRUE(fs::is_directory(home.file("data/applications")));

  shell.Associate("skd", "/opt/Tera Term/Skelderc");
  EXPECT_EQ(shell.notified, 1);
  EXPECT_EQ(ReadFileBytes(home.file("data/applications/skelder-skdfile.desktop")),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Skelder Configuration\n"
            "Exec=\"/opt/Tera Term/Skelderc\" %f\n"
            "MimeType=application/x-skelder-skd;\n"
            "NoDisplay=true\n"
            "Terminal=false\n");
  const std::string package = ReadFileBytes(home.file("data/mime/packages/skelder-skd.xml"));
  EXPECT_NE(package.find("<mime-type type=\"application/x-skelder-skd\">"), std::string::npos);
  EXPECT_NE(package.find("<glob pattern=\"*.skd\"/>"), std::string::npos);
  EXPECT_TRUE(shell.IsAssociated("skd", "/opt/Tera Term/Skelderc"));
  // Another copy of the program reads it as absent until it associates again.
  EXPECT_FALSE(shell.IsAssociated("skd", "/opt/other/Skelderc"));
  shell.Associate("skd", "/opt/other/Skelderc");
  EXPECT_TRUE(shell.IsAssociated("skd", "/opt/other/Skelderc"));
}

TEST_F(FreedesktopShellIntegrationTest, RemovingDeletesBothFilesAndTellsTheDesktop) {
  shell.IsAssociated("skd", "/opt/tt/Skelderc");
  shell.Associate("skd", "/opt/tt/Skelderc");
  shell.RemoveAssociation("skd");
  EXPECT_EQ(shell.notified, 2);
  EXPECT_FALSE(fs::exists(home.file("data/applications/skelder-skdfile.desktop")));
  EXPECT_FALSE(fs::exists(home.file("data/mime/packages/skelder-skd.xml")));
  EXPECT_FALSE(shell.IsAssociated("skd", "/opt/tt/Skelderc"));
}

TEST_F(FreedesktopShellIntegrationTest, WithoutAWritableDataFolderNothingIsAssociatedOrWritten) {
  WriteFileBytes(home.file("blocked"), "a file where the folder would be");
  QuietIntegration blocked{home.file("blocked/data"), home.file("config")};
  EXPECT_FALSE(blocked.IsAssociated("skd", "/opt/tt/Skelderc"));
  EXPECT_FALSE(blocked.MayAssociate());
  blocked.Associate("skd", "/opt/tt/Skelderc");
  blocked.RemoveAssociation("skd");
  EXPECT_EQ(blocked.notified, 0);
  EXPECT_TRUE(fs::is_regular_file(home.file("blocked")));
}

TEST_F(FreedesktopShellIntegrationTest, TheAutostartEntryStartsTheCompanionAtThisPathExactly) {
  const std::string companion = home.file("tt/Skelder.exe");
  WriteFileBytes(companion, "#!/bin/sh\n");
  EXPECT_FALSE(shell.RunAtLogonPresent(companion));
  shell.SetRunAtLogon(true, companion);
  EXPECT_EQ(
      ReadFileBytes(home.file("config/autostart/Skelder.desktop")),
      "[Desktop Entry]\nType=Application\nName=Skelder\nExec=" + companion + "\nTerminal=false\n");
  EXPECT_TRUE(shell.RunAtLogonPresent(companion));
  EXPECT_FALSE(shell.RunAtLogonPresent(home.file("TT/Skelder.exe")));
  shell.SetRunAtLogon(false, companion);
  EXPECT_FALSE(fs::exists(home.file("config/autostart/Skelder.desktop")));
  EXPECT_FALSE(shell.RunAtLogonPresent(companion));
}

TEST_F(FreedesktopShellIntegrationTest, AWindowsCompanionStartsThroughWine) {
  const std::string companion = home.file("tt/Skelder.exe");
  std::string pe(0x100, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  pe[0x3c] = 0x40;
  pe.replace(0x40, 4, std::string("PE\0\0", 4));
  WriteFileBytes(companion, pe);
  shell.SetRunAtLogon(true, companion);
  EXPECT_NE(ReadFileBytes(home.file("config/autostart/Skelder.desktop"))
                .find("\nExec=wine " + companion + "\n"),
            std::string::npos);
}

// The real notification rebuilds the MIME cache, which then maps the table files to the
// program's type: the package is one the desktop's tools accept.
TEST_F(FreedesktopShellIntegrationTest, TheDesktopsMimeCacheTakesThePackage) {
  if (std::system("command -v update-mime-database >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "update-mime-database is not installed";
  FreedesktopShellIntegration real{home.file("data"), home.file("config")};
  real.IsAssociated("skd", "/opt/tt/Skelderc");
  real.Associate("skd", "/opt/tt/Skelderc");
  const std::string globs = ReadFileBytes(home.file("data/mime/globs2"));
  EXPECT_NE(globs.find("application/x-skelder-skd:*.skd"), std::string::npos) << globs;
}

}  // namespace
}  // namespace skelder::testing
