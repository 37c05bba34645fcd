#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "platform/posix/CurlHttpClient.h"
#include "platform/posix/DBusBroadcaster.h"
#include "platform/posix/FileSettingsStore.h"
#include "platform/posix/FlockExistenceFlags.h"
#include "platform/posix/FreedesktopShellIntegration.h"
#include "platform/posix/PosixProgramStarter.h"
#include "platform/posix/PosixSystemInfo.h"
#include "platform/posix/ProcProcessList.h"
#include "platform/posix/WineProgramPaths.h"

namespace skelder {

// $XDG_CONFIG_HOME/Vantrell Solutions/Skelder.reg (XDG_CONFIG_HOME defaults to ~/.config).
static std::string SettingsFilePath() {
  std::string config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else if (const char* home = std::getenv("HOME")) {
    config = std::string(home) + "/.config";
  }
  return config + "/Vantrell Solutions/Skelder.reg";
}

Platform CreatePlatform() {
  Platform platform;
  platform.settings = std::make_unique<FileSettingsStore>(SettingsFilePath());
  platform.flags = std::make_unique<FlockExistenceFlags>(FlockExistenceFlags::DefaultFolder());
  platform.broadcaster = std::make_unique<DBusBroadcaster>();
  platform.starter = std::make_unique<PosixProgramStarter>();
  platform.system = std::make_unique<PosixSystemInfo>();
  platform.http = std::make_unique<CurlHttpClient>();
  platform.paths = std::make_unique<WineProgramPaths>();
  platform.shell = std::make_unique<FreedesktopShellIntegration>(
      FreedesktopShellIntegration::DataHome(), FreedesktopShellIntegration::ConfigHome());
  platform.processes = std::make_unique<ProcProcessList>();
  return platform;
}

std::unique_ptr<BroadcastReceiver> CreateBroadcastReceiver(const std::vector<std::string>& names) {
  return std::make_unique<DBusBroadcastReceiver>(names);
}

const char* ExecutableSuffix() { return ""; }
char PathSeparator() { return '/'; }

}  // namespace skelder
