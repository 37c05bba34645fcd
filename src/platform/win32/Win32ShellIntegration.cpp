#include "platform/win32/Win32ShellIntegration.h"

#include <utility>

#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/Windows.h"
// after windows.h
#include <shlobj.h>

namespace skelder {

Win32ShellIntegration::Win32ShellIntegration()
    : Win32ShellIntegration(std::make_unique<RegistrySettingsStore>(RegistryRoot::ClassesRoot),
                            std::make_unique<RegistrySettingsStore>(RegistryRoot::CurrentUser)) {}

Win32ShellIntegration::Win32ShellIntegration(std::unique_ptr<SettingsStore> classes,
                                             std::unique_ptr<SettingsStore> user)
    : RegistryShellIntegration(std::move(classes), std::move(user)) {}

void Win32ShellIntegration::associationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace skelder
