#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cctype>

#include <filesystem>

#include "platform/posix/ProcProcessList.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(ProcProcessList, FindsAWindowsProgramUnderWineByItsWindowsPath) {
  TempFolder proc;
  const auto process = [&](const std::string& pid, const std::string& cmdline,
                           const std::string& comm) {
    std::filesystem::create_directory(proc.file(pid));
    WriteFileBytes(proc.file(pid + "/cmdline"), cmdline);
    WriteFileBytes(proc.file(pid + "/comm"), comm);
  };
  process("1", std::string("/sbin/init\0splash\0", 18), "init\n");
  process("77", std::string("C:\\Program Files\\teraterm\\TTermPro.exe\0/F=x.ini\0", 48),
          "wine64-preload\n");
  std::filesystem::create_directory(proc.file("self"));
  ProcProcessList list(proc.path());
  EXPECT_TRUE(list.isRunning("ttermpro.exe"));
  EXPECT_TRUE(list.isRunning("INIT"));
  EXPECT_FALSE(list.isRunning("ttermpro"));
  EXPECT_FALSE(list.isRunning("teraterm"));
  EXPECT_FALSE(ProcProcessList(proc.file("missing")).isRunning("init"));
}

// A name of its own, so that another test's stand-in Tera Term running at the same time
// does not count.
TEST(ProcProcessList, SeesARunningProcessOfTheSystem) {
  TempFolder folder;
  const std::string name = "PROBE" + std::to_string(::getpid()) + ".EXE";
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string program = folder.file(name);
  std::filesystem::copy_file("/bin/sleep", program);
  ProcProcessList list;
  EXPECT_FALSE(list.isRunning(lower));
  const pid_t child = ::fork();
  if (child == 0) {
    ::execl(program.c_str(), program.c_str(), "30", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  bool seen = false;
  for (int i = 0; i < 100 && !seen; ++i) {
    seen = list.isRunning(lower);
    if (!seen) ::usleep(20000);
  }
  EXPECT_TRUE(seen);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_FALSE(list.isRunning(lower));
}

}  // namespace skelder::testing
