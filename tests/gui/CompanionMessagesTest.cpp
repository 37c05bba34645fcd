#include <QTest>
#include <QThread>
#include <QTimer>

#include "MainWindowFixture.h"
#include "gui/app/BroadcastListener.h"
#include "gui/app/CompanionMessages.h"

namespace skelder::testing {

using CompanionMessagesTest = MainWindowFixture;

TEST_F(CompanionMessagesTest, AWakeUpOffersTheHandedOverFileOnceInFiveSeconds) {
  auto& window = create();
  window.show();
  std::filesystem::create_directory(folder.file("tt/Temp_TTL"));
  const std::string copy = folder.file("tt/Temp_TTL/~Routers.SKD");
  WriteFileBytes(copy, kEmptyTable);
  WriteParamName(*store, copy);
  CompanionMessages& messages = window.companionMessages();

  dialogs.answer("No");
  messages.Received("SkeldercMessage");
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{
                ConfirmBox("Yes,No", "Do you want to import file Routers.SKD into Skelder?")});
  EXPECT_EQ(ReadParamName(*store), "");
  EXPECT_TRUE(messages.Timer2()->isActive());
  EXPECT_EQ(messages.Timer2()->interval(), 5000);

  WriteParamName(*store, copy);
  messages.Received("SkeldercMessage");  // within five seconds: ignored
  EXPECT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(ReadParamName(*store), copy);
}

// A second start that wakes the program while its window is still being made: the
// listener of the start-up keeps the message until the window has taken it over.
TEST_F(CompanionMessagesTest, AWakeUpDuringStartUpIsKeptUntilTheWindowListens) {
  auto* early = new BroadcastListener(CompanionMessages::MessageNames());
  early->hold();
  ASSERT_TRUE(CreatePlatform().broadcaster->broadcast("SkeldercMessage"));
  for (int i = 0; i < 20; ++i) {  // the message arrives, nobody takes it yet
    QApplication::processEvents();
    QThread::msleep(10);
  }
  window.reset();
  context = std::make_unique<ProgramContext>(
      ProgramContext{platform, dialogs, folder.file("tt") + "/", {}});
  context->earlyListener = early;
  window = std::make_unique<MainWindow>(*context);
  EXPECT_EQ(context->earlyListener, nullptr);  // taken over
  EXPECT_EQ(early->parent(), &window->companionMessages());
  // The second start's hand-over, read when the wake-up is handled.
  std::filesystem::create_directory(folder.file("tt/Temp_TTL"));
  const std::string copy = folder.file("tt/Temp_TTL/~Routers.SKD");
  WriteFileBytes(copy, kEmptyTable);
  WriteParamName(*store, copy);
  dialogs.answer("No");
  QTRY_COMPARE_WITH_TIMEOUT(dialogs.boxes().size(), 1u, 5000);
  EXPECT_EQ(dialogs.boxes().front(),
            ConfirmBox("Yes,No", "Do you want to import file Routers.SKD into Skelder?"));
}

TEST_F(CompanionMessagesTest, AVanishedFileIsReportedAndStaysInTheMailbox) {
  auto& window = create();
  const std::string gone = folder.file("tt/Temp_TTL/~Gone.SKD");
  WriteParamName(*store, gone);
  window.companionMessages().Received("SkeldercMessage");
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Cannot import file Gone.SKD. File not found.")});
  EXPECT_EQ(ReadParamName(*store), gone);
}

TEST_F(CompanionMessagesTest, AWakeUpWithoutFileAsksNothing) {
  auto& window = create();
  window.showMinimized();
  window.companionMessages().Received("SkeldercMessage");
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_FALSE(window.isMinimized());
}

TEST_F(CompanionMessagesTest, TheStopMessageClosesAndAsksOnlyAboutUnsavedWork) {
  flags->heldElsewhere.insert("SkelderSemaphore");  // the companion that sent it runs
  auto& window = create();
  window.show();
  window.UpdateCaption(true);
  dialogs.answer("Cancel");
  window.companionMessages().Received("SkeldercStopMessage");
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{{"warning", "Yes,No,Cancel",
                                       "Do you want to save the changes made to Noname.SKD?"}}));
  EXPECT_TRUE(window.isVisible());

  window.UpdateCaption(false);
  dialogs.clear();
  window.companionMessages().Received("SkeldercStopMessage");
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_FALSE(window.isVisible());
}

}  // namespace skelder::testing
