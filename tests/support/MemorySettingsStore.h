#pragma once
// A settings store in memory with the registry's rules, for tests of the core on every
// system. failWrites makes every opening for writing fail, as an unwritable store does.
#include <map>
#include <string>
#include <utility>
#include <variant>

#include "platform/SettingsStore.h"

namespace skelder::testing {

class MemorySettingsStore : public SettingsStore {
 public:
  std::unique_ptr<RegistryKey> openKey(const std::string& path, bool create) override;
  bool deleteKey(const std::string& path) override;

  std::string takeRecoveryNotice() override { return std::exchange(recoveryNotice, {}); }

  bool failWrites = false;
  std::string recoveryNotice;

  // Values by upper-cased name, each with its name as first written.
  struct Key {
    std::vector<std::pair<std::string, std::variant<std::string, int32_t>>> values;
  };
  std::map<std::string, Key> keys;  // by upper-cased path
};

}  // namespace skelder::testing
