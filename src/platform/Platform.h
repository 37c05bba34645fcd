#pragma once
// The platform services of one process, created by the implementation for this system
// (posix/ or win32/). Folders come from the usual environment (XDG_CONFIG_HOME,
// XDG_RUNTIME_DIR on Linux), so tests point them at temporary folders.
#include <memory>
#include <string>
#include <vector>

#include "platform/Broadcaster.h"
#include "platform/ExistenceFlags.h"
#include "platform/HttpClient.h"
#include "platform/ProcessList.h"
#include "platform/ProgramPaths.h"
#include "platform/ProgramStarter.h"
#include "platform/SettingsStore.h"
#include "platform/ShellIntegration.h"
#include "platform/SystemInfo.h"
#include "platform/WindowArranger.h"

namespace skelder {

struct Platform {
  std::unique_ptr<SettingsStore> settings;
  std::unique_ptr<ExistenceFlags> flags;
  std::unique_ptr<Broadcaster> broadcaster;
  std::unique_ptr<ProgramStarter> starter;
  std::unique_ptr<SystemInfo> system;
  std::unique_ptr<HttpClient> http;
  // These default to the plain behaviour: paths as they are, arranging does nothing,
  // nothing associated, nothing started at logon, no process running.
  std::unique_ptr<ProgramPaths> paths = std::make_unique<ProgramPaths>();
  std::unique_ptr<WindowArranger> windows = std::make_unique<WindowArranger>();
  std::unique_ptr<ShellIntegration> shell = std::make_unique<ShellIntegration>();
  std::unique_ptr<ProcessList> processes = std::make_unique<ProcessList>();
};

Platform CreatePlatform();

// A receiver of the named messages, for the process that waits for them.
std::unique_ptr<BroadcastReceiver> CreateBroadcastReceiver(const std::vector<std::string>& names);

// The executable file suffix of this system: ".exe" on Windows, empty elsewhere.
const char* ExecutableSuffix();
// The folder separator of this system's paths.
char PathSeparator();

}  // namespace skelder
