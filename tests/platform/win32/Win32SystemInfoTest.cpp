#include <gtest/gtest.h>

#include "platform/win32/Win32SystemInfo.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(Win32SystemInfo, DisplayNameIsTheShellsNameOrThePathItself) {
  TempFolder folder;
  WriteFileBytes(folder.file("Routers.SKD"), "SKD21");
  Win32SystemInfo system;
  EXPECT_EQ(system.shellDisplayName(folder.file("Routers.SKD")), "Routers.SKD");
  EXPECT_EQ(system.shellDisplayName(folder.file("Gone.SKD")), folder.file("Gone.SKD"));
  EXPECT_EQ(system.shellDisplayName(""), "");
}

TEST(Win32SystemInfo, TellsTheFactsOfTheSystem) {
  Win32SystemInfo system;
  EXPECT_FALSE(system.userName().empty());
  EXPECT_FALSE(system.computerName().empty());
  EXPECT_EQ(system.windowsFolder(), "C:\\windows");  // Wine's, in any prefix
  EXPECT_TRUE(system.isNTFamily());
  const std::string exe = system.executablePath();
  EXPECT_EQ(exe.substr(exe.rfind('\\') + 1), "platform_tests.exe");
  EXPECT_TRUE(system.lockKeys().has_value());
}

}  // namespace skelder::testing
