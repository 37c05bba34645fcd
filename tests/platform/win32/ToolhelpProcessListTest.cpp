#include <gtest/gtest.h>

#include "platform/win32/ToolhelpProcessList.h"

namespace skelder::testing {

TEST(ToolhelpProcessList, FindsRunningProgramsByNameWithoutRegardToCase) {
  ToolhelpProcessList processes;
  EXPECT_TRUE(processes.isRunning("platform_tests.exe"));
  EXPECT_TRUE(processes.isRunning("PLATFORM_TESTS.EXE"));
  EXPECT_FALSE(processes.isRunning("platform_tests"));
  EXPECT_FALSE(processes.isRunning("ttermpro-not-running.exe"));
}

}  // namespace skelder::testing
