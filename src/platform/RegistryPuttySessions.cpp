#include "platform/RegistryPuttySessions.h"

#include <algorithm>

namespace skelder {

std::string RegistryPuttySessions::location() const {
  return std::string("HKEY_CURRENT_USER\\") + kPuttySessionsKeyPath;
}

bool RegistryPuttySessions::read(std::vector<PuttySession>& sessions, std::string& error) const {
  sessions.clear();
  const auto key = store_.openKey(kPuttySessionsKeyPath, false);
  if (!key) {
    error = "No PuTTY sessions: there is no key " + location();
    return false;
  }
  std::vector<std::string> names = key->subKeyNames();
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const auto session = store_.openKey(std::string(kPuttySessionsKeyPath) + "\\" + name, false);
    if (!session) continue;
    PuttySession entry{name, {}};
    for (const std::string& value : session->valueNames()) {
      if (auto text = session->readString(value))
        entry.values[value] = *text;
      else if (auto number = session->readInteger(value))
        entry.values[value] = std::to_string(*number);
    }
    sessions.push_back(std::move(entry));
  }
  return true;
}

}  // namespace skelder
