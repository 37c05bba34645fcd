#pragma once
// The settings store on the Windows registry: REG_SZ strings and REG_DWORD integers,
// below one of the registry's roots, optionally below a base key (paths are then
// relative to it).
#include <string>

#include "platform/SettingsStore.h"

namespace skelder {

enum class RegistryRoot { CurrentUser, ClassesRoot };

class RegistrySettingsStore : public SettingsStore {
 public:
  explicit RegistrySettingsStore(RegistryRoot root = RegistryRoot::CurrentUser,
                                 std::string base = {});

  std::unique_ptr<RegistryKey> openKey(const std::string& path, bool create) override;
  bool deleteKey(const std::string& path) override;

 private:
  std::string fullPath(const std::string& path) const;

  RegistryRoot root_;
  std::string base_;
};

}  // namespace skelder
