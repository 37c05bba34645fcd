#pragma once
// The services the window's parts share: the platform, the dialog facade, the clock of
// the time stamps and the program folder (with its trailing separator).
#include <string>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "platform/Platform.h"

namespace skelder {

struct ProgramServices {
  Platform& platform;
  UserDialogs& dialogs;
  const Clock& clock;
  std::string programFolder;
};

}  // namespace skelder
