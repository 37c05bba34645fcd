#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Platform.h"

namespace skelder::testing {

// The bus address is read once per process, so this runs in a fresh process of its own.
TEST(BroadcastWithoutBus, SendsNothingAndReceivesNothing) {
  if (!std::getenv("SKELDER_NO_BUS_CHILD")) {
    const pid_t child = fork();
    if (child == 0) {
      setenv("SKELDER_NO_BUS_CHILD", "1", 1);
      setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
      execl("/proc/self/exe", "platform_tests",
            "--gtest_filter=BroadcastWithoutBus.SendsNothingAndReceivesNothing", nullptr);
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return;
  }
  auto receiver = CreateBroadcastReceiver({"SkeldercMessage"});
  EXPECT_EQ(receiver->descriptor(), -1);
  EXPECT_EQ(receiver->waitForMessage(10), "");
  EXPECT_FALSE(CreatePlatform().broadcaster->broadcast("SkeldercMessage"));
}

}  // namespace skelder::testing
