#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "../TestChild.h"
#include "platform/win32/ShellProgramStarter.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(ShellProgramStarter, StartsAProgramInItsFolderWithItsParameters) {
  TempFolder folder;
  // A batch file that records its working folder and its parameters as it got them.
  WriteFileBytes(folder.file("record.bat"),
                 "@echo off\r\ncd > out.part\r\necho [%*]>> out.part\r\n"
                 "ren out.part out.txt\r\n");
  ShellProgramStarter starter;
  ASSERT_TRUE(
      starter.open(folder.file("record.bat"), R"( /F="with blank"  /M="x")", folder.path()));
  ASSERT_TRUE(WaitForFile(folder.file("out.txt"), 20000));
  const std::string out = ReadFileBytes(folder.file("out.txt"));
  EXPECT_EQ(out, folder.path() + "\r\n[/F=\"with blank\"  /M=\"x\"]\r\n");
}

TEST(ShellProgramStarter, ReportsWhatCannotBeStarted) {
  TempFolder folder;
  ShellProgramStarter starter;
  EXPECT_FALSE(starter.open(folder.file("missing.exe"), "", ""));
}

}  // namespace skelder::testing
