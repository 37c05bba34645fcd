#include "ExistenceFlagsConformance.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "TestChild.h"

namespace skelder::testing {

TEST_P(ExistenceFlagsConformance, ASecondCreationSeesTheFirstUntilItIsReleased) {
  FlagCreation first = flags->create("SkeldercSemaphore");
  ASSERT_TRUE(first.handle);
  EXPECT_FALSE(first.alreadyExisted);

  FlagCreation second = flags->create("SkeldercSemaphore");
  EXPECT_TRUE(second.handle);
  EXPECT_TRUE(second.alreadyExisted);
  EXPECT_FALSE(flags->create("SkelderSemaphore").alreadyExisted);  // names are separate

  first.handle.reset();
  second.handle.reset();
  FlagCreation third = flags->create("SkeldercSemaphore");
  ASSERT_TRUE(third.handle);
  EXPECT_FALSE(third.alreadyExisted);
}

TEST_P(ExistenceFlagsConformance, AnotherProcessSeesTheFlagAndItEndsWithItsHolder) {
  TestChild holder({"hold-flag", folder.path()}, folder.path());
  ASSERT_TRUE(WaitForFile(folder.file("ready"), 30000));
  EXPECT_EQ(ReadFileBytes(folder.file("ready")), "new");
  EXPECT_TRUE(flags->create("SkelderSemaphore").alreadyExisted);
  WriteFileBytes(folder.file("release"), "");
  EXPECT_TRUE(holder.passed());
  FlagCreation after = flags->create("SkelderSemaphore");
  EXPECT_TRUE(after.handle);
  EXPECT_FALSE(after.alreadyExisted);
}

TEST_P(ExistenceFlagsConformance, NoHandleWhenTheFlagCannotBeMade) {
  // A place that does not exist, in either naming of the systems.
  FlagCreation result = flags->create("Missing\\Place/SkeldercSemaphore");
  EXPECT_FALSE(result.handle);
  EXPECT_FALSE(result.alreadyExisted);
}

}  // namespace skelder::testing
