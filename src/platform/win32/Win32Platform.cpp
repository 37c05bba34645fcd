#include "platform/Platform.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/SemaphoreExistenceFlags.h"
#include "platform/win32/ShellProgramStarter.h"
#include "platform/win32/ShellWindowArranger.h"
#include "platform/win32/Win32ShellIntegration.h"
#include "platform/win32/Win32SystemInfo.h"
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
  platform.windows = std::make_unique<ShellWindowArranger>();
  platform.shell = std::make_unique<Win32ShellIntegration>();
  return platform;
}

std::unique_ptr<BroadcastReceiver> CreateBroadcastReceiver(const std::vector<std::string>& names) {
  return std::make_unique<WindowMessageReceiver>(names);
}

const char* ExecutableSuffix() { return ".exe"; }
char PathSeparator() { return '\\'; }

}  // namespace skelder
