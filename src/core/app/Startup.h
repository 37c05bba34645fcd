#pragma once
// Start-up before any window: the file argument, the companion, the single instance,
// the executable's name and folder, old temporary files; then the windows of the gui.
#include <string>
#include <vector>

#include "core/base/ProgramFolder.h"
#include "core/base/UserDialogs.h"
#include "platform/Broadcaster.h"
#include "platform/ExistenceFlags.h"
#include "platform/ProgramStarter.h"
#include "platform/SettingsStore.h"
#include "platform/SystemInfo.h"

namespace skelder {

struct StartupServices {
  SettingsStore& store;
  ExistenceFlags& flags;
  Broadcaster& broadcaster;
  ProgramStarter& starter;
  const SystemInfo& system;
  UserDialogs& dialogs;
  std::string programFolder;   // the folder of the running executable, with separator
  std::string executablePath;  // the running executable
};

struct Platform;

// The services of start-up taken from the process's platform.
StartupServices MakeStartupServices(Platform& platform, UserDialogs& dialogs,
                                    const std::string& programFolder,
                                    const std::string& executablePath);

// The gui's part of start-up.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  // Before the instance flag is taken: from here on a later start's wake-up must reach
  // this instance, even while its windows are still being made. (A second start lets the
  // listener go with the host.)
  virtual void listenForLaterStarts() {}
  virtual void showSplash() = 0;
  // Lets the splash paint itself before the slower steps.
  virtual void letSplashPaint() = 0;
  // Creates the windows and runs the program: the message loop until the main window
  // closes, or in the update-check mode only the update window. Returns the exit code.
  virtual int runWindows(bool updateCheckMode) = 0;
};

inline constexpr const char* kUpdateCheckArgument = "upgradeCheck=true";

// The whole start-up sequence; returns the program's exit code.
int RunStartup(const std::vector<std::string>& arguments, StartupServices& services,
               StartupHost& host);

bool IsUpdateCheckMode(const std::vector<std::string>& arguments);

// Starts the companion from the program folder unless its flag says it runs.
void StartCompanionIfNeeded(StartupServices& services);

// Run by a second instance: copies the file into "Temp_TTL" as "~" + its name and
// leaves the copy's path in "ParamName". False when the folder cannot be made.
bool HandOverFile(const std::string& path, StartupServices& services);

// True when the program's own executable has its original name ("Skelderc" with the
// system's executable suffix, in any letter case); shows the error box otherwise.
bool HasOriginalName(const std::string& executablePath, UserDialogs& dialogs);

// Deletes the leftover run files "~macroC*.ttl" and "~TTiniC*.ini" in "Temp_TTL".
void CleanTemporaryFiles(const std::string& programFolder, UserDialogs& dialogs);

// Windows-style wildcard match ("*" and "?"), without regard to letter case.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

}  // namespace skelder
