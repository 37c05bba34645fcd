#pragma once
// PuTTY's sessions on Linux: one file a session in a folder (~/.putty/sessions), named
// after the session, its lines "Key=Value".
#include "platform/PuttySessionStore.h"

namespace skelder {

class PuttySessionFiles : public PuttySessionStore {
 public:
  explicit PuttySessionFiles(std::string folder) : folder_(std::move(folder)) {}

  std::string location() const override { return folder_; }
  bool read(std::vector<PuttySession>& sessions, std::string& error) const override;

 private:
  std::string folder_;
};

}  // namespace skelder
