#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "TestChild.h"
#include "platform/Platform.h"
#include "support/TempFolder.h"

namespace skelder::testing {

// On Linux these need the session bus that the test command starts; on Windows the
// receiver's window needs a display.
class Broadcast : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "no session bus";
#endif
  }
};

TEST_F(Broadcast, ASecondStartWakesTheFirstAndOnlyItsListeners) {
  TempFolder folder;
  auto wake = CreateBroadcastReceiver({"SkeldercMessage"});
  auto reread = CreateBroadcastReceiver({"SkelderRRMessage"});
  TestChild secondStart({"wake-up"}, folder.path());
  EXPECT_TRUE(secondStart.passed());
  EXPECT_EQ(wake->waitForMessage(10000), "SkeldercMessage");
  EXPECT_EQ(reread->waitForMessage(300), "");
  EXPECT_EQ(wake->takeMessages(), std::vector<std::string>{});
}

TEST_F(Broadcast, MessagesArriveInOrderAndCanBeTakenWithoutWaiting) {
  auto receiver = CreateBroadcastReceiver({"SkelderRRMessage", "SkeldercStopMessage"});
  auto broadcaster = CreatePlatform().broadcaster;
  ASSERT_TRUE(broadcaster->broadcast("SkelderRRMessage"));
  ASSERT_TRUE(broadcaster->broadcast("SkelderStopMessage"));  // not listened for
  ASSERT_TRUE(broadcaster->broadcast("SkeldercStopMessage"));
  EXPECT_EQ(receiver->waitForMessage(5000), "SkelderRRMessage");
  std::vector<std::string> rest;
  for (int i = 0; i < 50 && rest.empty(); ++i) {
    rest = receiver->takeMessages();
    if (rest.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(rest, std::vector<std::string>{"SkeldercStopMessage"});
}

}  // namespace skelder::testing
