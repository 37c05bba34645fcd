#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Platform.h"

namespace skelder::testing {

// These tests need the session bus that the test command starts.
class Broadcast : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "no session bus";
  }
};

TEST_F(Broadcast, AMessageFromAnotherProcessReachesOnlyItsListeners) {
  auto wake = CreateBroadcastReceiver({"SkeldercMessage"});
  auto reread = CreateBroadcastReceiver({"SkelderRRMessage"});
  ASSERT_GE(wake->descriptor(), 0);
  const pid_t sender = fork();
  if (sender == 0) _exit(CreatePlatform().broadcaster->broadcast("SkeldercMessage") ? 0 : 1);
  int status = 0;
  waitpid(sender, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(wake->waitForMessage(5000), "SkeldercMessage");
  EXPECT_EQ(reread->waitForMessage(300), "");
}

TEST_F(Broadcast, MessagesArriveInOrderAndCanBeTakenWithoutWaiting) {
  auto receiver = CreateBroadcastReceiver({"SkelderRRMessage", "SkeldercStopMessage"});
  auto broadcaster = CreatePlatform().broadcaster;
  ASSERT_TRUE(broadcaster->broadcast("SkelderRRMessage"));
  ASSERT_TRUE(broadcaster->broadcast("SkeldercStopMessage"));
  EXPECT_EQ(receiver->waitForMessage(5000), "SkelderRRMessage");
  std::vector<std::string> rest;
  for (int i = 0; i < 50 && rest.empty(); ++i) {
    rest = receiver->takeMessages();
    if (rest.empty()) usleep(20000);
  }
  EXPECT_EQ(rest, std::vector<std::string>{"SkeldercStopMessage"});
}

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
