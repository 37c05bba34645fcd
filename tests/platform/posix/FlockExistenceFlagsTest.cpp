#include <gtest/gtest.h>

#include "../ExistenceFlagsConformance.h"
#include "platform/posix/FlockExistenceFlags.h"
#include "support/TempFolder.h"

namespace skelder::testing {

INSTANTIATE_TEST_SUITE_P(Flock, ExistenceFlagsConformance,
                         ::testing::Values(FlagsFactory{
                             "flock", [](const std::string& folder) {
                               return std::make_unique<FlockExistenceFlags>(folder);
                             }}));

TEST(FlockExistenceFlags, NoHandleWhenTheFolderIsNoFolder) {
  TempFolder folder;
  WriteFileBytes(folder.file("plain"), "x");
  FlockExistenceFlags flags(folder.file("plain"));
  FlagCreation result = flags.create("SkeldercSemaphore");
  EXPECT_FALSE(result.handle);
  EXPECT_FALSE(result.alreadyExisted);
}

}  // namespace skelder::testing
