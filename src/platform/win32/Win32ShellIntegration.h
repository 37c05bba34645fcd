#pragma once
// The shell integration in the Windows registry: the file association under
// HKEY_CLASSES_ROOT, the companion's "Run" value under HKEY_CURRENT_USER, and the
// shell told when associations change.
#include <memory>

#include "platform/RegistryShellIntegration.h"

namespace skelder {

class Win32ShellIntegration : public RegistryShellIntegration {
 public:
  Win32ShellIntegration();
  // Over other stores (tests keep them below scratch keys).
  Win32ShellIntegration(std::unique_ptr<SettingsStore> classes,
                        std::unique_ptr<SettingsStore> user);

 protected:
  void associationsChanged() override;
};

}  // namespace skelder
