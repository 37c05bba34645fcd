#pragma once
// PuTTY's saved sessions, where PuTTY keeps them: files in ~/.putty/sessions on Linux,
// the keys below HKEY_CURRENT_USER\Software\SimonTatham\PuTTY\Sessions on Windows. Each
// session is read as PuTTY stored it; core/hosts/PuttySessions.h makes hosts of them.
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace skelder {

struct PuttySession {
  std::string name;  // as stored: percent-encoded ("My%20server")
  // "HostName", "PortNumber", "Protocol", "UserName", "PublicKeyFile", ...; numbers as
  // decimal text.
  std::map<std::string, std::string> values;
};

class PuttySessionStore {
 public:
  virtual ~PuttySessionStore() = default;
  // Where the sessions are kept, for messages.
  virtual std::string location() const = 0;
  // The sessions, ordered by stored name; false with the message when there is no place
  // holding them.
  virtual bool read(std::vector<PuttySession>& sessions, std::string& error) const = 0;
};

// The current user's sessions on this system.
std::unique_ptr<PuttySessionStore> CreatePuttySessionStore();

}  // namespace skelder
