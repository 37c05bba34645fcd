#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/posix/FlockExistenceFlags.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(ExistenceFlags, ASecondCreationSeesTheFirstUntilItIsReleased) {
  TempFolder folder;
  FlockExistenceFlags flags(folder.path());
  FlagCreation first = flags.create("SkeldercSemaphore");
  ASSERT_TRUE(first.handle);
  EXPECT_FALSE(first.alreadyExisted);

  FlagCreation second = flags.create("SkeldercSemaphore");
  EXPECT_TRUE(second.handle);
  EXPECT_TRUE(second.alreadyExisted);
  EXPECT_FALSE(flags.create("SkelderSemaphore").alreadyExisted);  // names are separate

  first.handle.reset();
  FlagCreation third = flags.create("SkeldercSemaphore");
  EXPECT_FALSE(third.alreadyExisted);
}

TEST(ExistenceFlags, AnotherProcessSeesTheFlagAndItEndsWithItsHolder) {
  TempFolder folder;
  FlockExistenceFlags flags(folder.path());
  int ready[2], release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    FlagCreation held = FlockExistenceFlags(folder.path()).create("SkelderSemaphore");
    char byte = held.alreadyExisted ? 'x' : 'k';
    (void)!write(ready[1], &byte, 1);
    (void)!read(release[0], &byte, 1);
    _exit(0);  // ends without releasing: the system drops the flag
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  EXPECT_EQ(byte, 'k');
  EXPECT_TRUE(flags.create("SkelderSemaphore").alreadyExisted);
  (void)!write(release[1], &byte, 1);
  waitpid(holder, nullptr, 0);
  EXPECT_FALSE(flags.create("SkelderSemaphore").alreadyExisted);
}

TEST(ExistenceFlags, NoHandleWhenTheFlagCannotBeMade) {
  TempFolder folder;
  WriteFileBytes(folder.file("plain"), "x");
  FlockExistenceFlags flags(folder.file("plain"));
  FlagCreation result = flags.create("SkeldercSemaphore");
  EXPECT_FALSE(result.handle);
  EXPECT_FALSE(result.alreadyExisted);
}

}  // namespace skelder::testing
