#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/posix/PosixSystemInfo.h"

// Last: the X headers define macros (None, Bool) that other headers use as names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace skelder::testing {

// The indicators are read from a real display: the test runs itself again under
// xvfb-run and switches Caps Lock on there.
TEST(LockKeys, FollowTheDisplaysIndicators) {
  if (!std::getenv("SKELDER_LOCK_KEYS_CHILD")) {
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xvfb-run";
    const std::string self = PosixSystemInfo().executablePath();
    const int status = std::system(("SKELDER_LOCK_KEYS_CHILD=1 xvfb-run -a '" + self +
                                    "' --gtest_filter=LockKeys.FollowTheDisplaysIndicators "
                                    ">/dev/null 2>&1")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return;
  }
  PosixSystemInfo system;
  auto keys = system.lockKeys();
  ASSERT_TRUE(keys);
  EXPECT_FALSE(keys->caps);
  EXPECT_FALSE(keys->num);

  Display* display = XOpenDisplay(nullptr);
  ASSERT_TRUE(display);
  XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
  XSync(display, False);
  keys = system.lockKeys();
  ASSERT_TRUE(keys);
  EXPECT_TRUE(keys->caps);
  EXPECT_FALSE(keys->scroll);
  XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
  XCloseDisplay(display);
}

TEST(LockKeys, AreUnknownWithoutADisplay) {
  const char* display = std::getenv("DISPLAY");
  if (display) GTEST_SKIP() << "a display is there";
  EXPECT_FALSE(PosixSystemInfo().lockKeys());
}

}  // namespace skelder::testing
