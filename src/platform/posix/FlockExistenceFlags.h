#pragma once
// Existence flags as exclusive flock locks on files named after the flag in a private
// runtime folder. The kernel drops a lock when its holder ends, so a crashed process
// never leaves a stale flag behind.
#include <string>

#include "platform/ExistenceFlags.h"

namespace skelder {

class FlockExistenceFlags : public ExistenceFlags {
 public:
  explicit FlockExistenceFlags(std::string folder);
  FlagCreation create(const std::string& name) override;

  // $XDG_RUNTIME_DIR, or a private per-user folder under /tmp.
  static std::string DefaultFolder();

 private:
  std::string folder_;
};

}  // namespace skelder
