#pragma once
// Existence flags as named semaphores (initial count 0, maximum 1). The system keeps a
// semaphore while any process holds a handle to it and reports ERROR_ALREADY_EXISTS to
// the next creator.
#include "platform/ExistenceFlags.h"

namespace skelder {

class SemaphoreExistenceFlags : public ExistenceFlags {
 public:
  FlagCreation create(const std::string& name) override;
};

}  // namespace skelder
