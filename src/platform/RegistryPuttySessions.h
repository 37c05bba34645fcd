#pragma once
// PuTTY's sessions as keys of a registry store: one subkey of
// "Software\SimonTatham\PuTTY\Sessions" a session, its values strings and integers.
#include "platform/PuttySessionStore.h"
#include "platform/SettingsStore.h"

namespace skelder {

inline constexpr const char* kPuttySessionsKeyPath = "Software\\SimonTatham\\PuTTY\\Sessions";

class RegistryPuttySessions : public PuttySessionStore {
 public:
  explicit RegistryPuttySessions(SettingsStore& store) : store_(store) {}

  std::string location() const override;
  bool read(std::vector<PuttySession>& sessions, std::string& error) const override;

 private:
  SettingsStore& store_;
};

}  // namespace skelder
