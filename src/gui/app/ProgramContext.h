#pragma once
// What every window of the program shares: the platform services, the dialog facade,
// the program folder and the command line.
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "platform/Platform.h"

namespace skelder {

class BroadcastListener;

struct ProgramContext {
  Platform& platform;
  UserDialogs& dialogs;
  std::string programFolder;  // with its trailing separator
  std::vector<std::string> arguments;
  // Scripted runs: where to save a picture of the main window once it is shown (the
  // window then closes); empty normally.
  std::string screenshotPath;
  // The clock of the time stamps; the system's when none is given.
  const Clock* clock = nullptr;
  // While the splash window shows: its progress bar, advanced by the table reader.
  std::function<void(int position, int total)> loadProgress = nullptr;
  // Listening since the instance took its flag, until the main window's companion messages
  // take it over; null when the window listens from its own creation (tests).
  BroadcastListener* earlyListener = nullptr;
};

}  // namespace skelder
