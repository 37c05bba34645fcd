// PuTTY's sessions on Windows: the registry of the current user.
#include "platform/RegistryPuttySessions.h"
#include "platform/win32/RegistrySettingsStore.h"

namespace skelder {

namespace {

class CurrentUserPuttySessions : public PuttySessionStore {
 public:
  std::string location() const override { return sessions_.location(); }
  bool read(std::vector<PuttySession>& sessions, std::string& error) const override {
    return sessions_.read(sessions, error);
  }

 private:
  RegistrySettingsStore store_{RegistryRoot::CurrentUser};
  RegistryPuttySessions sessions_{store_};
};

}  // namespace

std::unique_ptr<PuttySessionStore> CreatePuttySessionStore() {
  return std::make_unique<CurrentUserPuttySessions>();
}

}  // namespace skelder
