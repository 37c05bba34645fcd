#include "platform/Platform.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/SemaphoreExistenceFlags.h"
#include "platform/win32/ShellProgramStarter.h"
#include "platform/win32/ShellWindowArranger.h"
#include "platform/win32/ToolhelpProcessList.h"
#include "platform/win32/Win32ShellIntegration.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/WinHttpClient.h"
#include "platform/win32/WindowMessageBroadcaster.h"
#include "platform/win32/WindowMessageReceiver.h"

namespace skelder {

Platform CreatePlatform() {
  Platform platform;
  platform.settings = std::make_unique<RegistrySettingsStore>(RegistryRoot::CurrentUser);
  platform.flags = std::make_unique<SemaphoreExistenceFlags>();
  platform.broadcaster = std::make_unique<WindowMessageBroadcaster>();
  platform.starter = std::make_unique<ShellProgramStarter>();
  platform.system = std::make_unique<Win32SystemInfo>();
  platform.http = std::make_unique<WinHttpClient>();
  platform.windows = std::make_unique<ShellWindowArranger>();
  platform.shell = std::make_unique<Win32ShellIntegration>();
  platform.processes = std::make_unique<ToolhelpProcessList>();
  return platform;
}

std::unique_ptr<BroadcastReceiver> CreateBroadcastReceiver(const std::vector<std::string>& names) {
  return std::make_unique<WindowMessageReceiver>(names);
}

const char* ExecutableSuffix() { return ".exe"; }
char PathSeparator() { return '\\'; }

}  // namespace skelder
