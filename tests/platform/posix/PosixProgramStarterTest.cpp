#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/posix/PosixProgramStarter.h"
#include "platform/posix/PosixSystemInfo.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  struct Case {
    std::string line;
    std::vector<std::string> args;
  } cases[] = {
      {R"( /F="C:\Tera Term\Temp_TTL\~TTiniC1.ini"  /M="C:\x y\~macroC1.ttl")",
       {R"(/F=C:\Tera Term\Temp_TTL\~TTiniC1.ini)", R"(/M=C:\x y\~macroC1.ttl)"}},
      {"", {}},
      {"  a\tb  ", {"a", "b"}},
      {R"("" x)", {"", "x"}},
      {R"(a\\b \"q\" "c\\" d)", {R"(a\\b)", R"("q")", R"(c\)", "d"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(ProgramStarter, RecognisesWindowsExecutablesAndStartsThemThroughWine) {
  TempFolder folder;
  std::string pe(0x100, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  pe[0x3c] = 0x80;
  pe.replace(0x80, 4, std::string("PE\0\0", 4));
  WriteFileBytes(folder.file("ttermpro.exe"), pe);
  WriteFileBytes(folder.file("notpe.exe"), "MZ but nothing more");
  EXPECT_TRUE(IsWindowsExecutable(folder.file("ttermpro.exe")));
  EXPECT_FALSE(IsWindowsExecutable(folder.file("notpe.exe")));
  EXPECT_FALSE(IsWindowsExecutable(folder.file("missing.exe")));

  EXPECT_EQ(PosixProgramStarter::CommandFor(folder.file("ttermpro.exe"), R"( /F="a b"  /M="c")"),
            (std::vector<std::string>{"wine", folder.file("ttermpro.exe"), "/F=a b", "/M=c"}));
  EXPECT_EQ(PosixProgramStarter::CommandFor(folder.file("notes.txt"), "ignored"),
            (std::vector<std::string>{"xdg-open", folder.file("notes.txt")}));
}

TEST(ProgramStarter, StartsAProgramDetachedInItsFolderWithItsArguments) {
  TempFolder folder;
  const std::string script = folder.file("record.sh");
  WriteFileBytes(script,
                 "#!/bin/sh\npwd > out.txt\nfor a in \"$@\"; do echo \"[$a]\" >> out.txt; done\n");
  chmod(script.c_str(), 0755);
  PosixProgramStarter starter;
  ASSERT_TRUE(starter.open(script, R"( /F="with blank"  /M="x")", folder.path()));
  std::string out;
  for (int i = 0; i < 100 && out.find("[/M=x]") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    out = ReadFileBytes(folder.file("out.txt"));
  }
  EXPECT_EQ(out, folder.path() + "\n[/F=with blank]\n[/M=x]\n");
}

TEST(ProgramStarter, ReportsAProgramThatCannotBeStarted) {
  TempFolder folder;
  PosixProgramStarter starter;
  WriteFileBytes(folder.file("tool"), "#!/bin/sh\n");
  chmod(folder.file("tool").c_str(), 0755);
  EXPECT_FALSE(starter.open(folder.file("tool"), "", folder.file("no-such-folder")));
}

TEST(SystemInfo, DisplayNameIsTheFileNameOrThePathItself) {
  TempFolder folder;
  WriteFileBytes(folder.file("Routers.SKD"), "SKD21");
  PosixSystemInfo system;
  EXPECT_EQ(system.shellDisplayName(folder.file("Routers.SKD")), "Routers.SKD");
  EXPECT_EQ(system.shellDisplayName(folder.file("Gone.SKD")), folder.file("Gone.SKD"));
  EXPECT_FALSE(system.userName().empty());
  EXPECT_FALSE(system.computerName().empty());
  EXPECT_EQ(system.executablePath().substr(system.executablePath().rfind('/') + 1),
            "platform_tests");
}

TEST(SystemInfo, WindowsFolderLiesInTheWinePrefix) {
  setenv("WINEPREFIX", "/srv/wine", 1);
  EXPECT_EQ(PosixSystemInfo().windowsFolder(), "/srv/wine/drive_c/windows");
  unsetenv("WINEPREFIX");
}

}  // namespace skelder::testing
