#include <gtest/gtest.h>

#include "platform/win32/WindowMessageReceiver.h"
#include "platform/win32/Windows.h"

namespace skelder::testing {

TEST(WindowMessageReceiver, HasAHiddenTopLevelWindow) {
  WindowMessageReceiver receiver({"SkeldercMessage"});
  EXPECT_TRUE(receiver.hasWindow());
  EXPECT_EQ(receiver.descriptor(), -1);
}

// What a gui's native event filter does with the messages its own windows get.
TEST(WindowMessageReceiver, NamesTheNativeMessagesItListensFor) {
  WindowMessageReceiver receiver({"SkeldercMessage", "SkeldercStopMessage"});
  MSG message = {};
  message.message = WindowMessageReceiver::RegisteredMessage("SkeldercStopMessage");
  EXPECT_EQ(receiver.nameOfNativeMessage(&message), "SkeldercStopMessage");
  message.message = WindowMessageReceiver::RegisteredMessage("SkelderRRMessage");
  EXPECT_EQ(receiver.nameOfNativeMessage(&message), "");
  message.message = WM_PAINT;
  EXPECT_EQ(receiver.nameOfNativeMessage(&message), "");
  EXPECT_EQ(receiver.nameOfNativeMessage(nullptr), "");
}

TEST(WindowMessageReceiver, KeepsOnlyTheLatestMessagesWhenNobodyTakesThem) {
  WindowMessageReceiver receiver({"SkelderRRMessage", "SkeldercMessage"});
  const unsigned reread = WindowMessageReceiver::RegisteredMessage("SkelderRRMessage");
  for (int i = 0; i < 100; ++i) receiver.deliver(reread);
  EXPECT_TRUE(receiver.deliver(WindowMessageReceiver::RegisteredMessage("SkeldercMessage")));
  EXPECT_FALSE(receiver.deliver(WM_PAINT));
  const auto kept = receiver.takeMessages();
  ASSERT_EQ(kept.size(), 64u);
  EXPECT_EQ(kept.front(), "SkelderRRMessage");
  EXPECT_EQ(kept.back(), "SkeldercMessage");
}

}  // namespace skelder::testing
