#pragma once
// Named flags that tell whether a process of a kind runs ("SkeldercSemaphore",
// "SkelderSemaphore"). A flag exists while a process holds it; holding ends when the
// handle is released or the process ends, even by a crash.
#include <memory>
#include <string>

namespace skelder {

class ExistenceFlag {
 public:
  virtual ~ExistenceFlag() = default;
};

struct FlagCreation {
  // Empty when the flag could not be created at all.
  std::unique_ptr<ExistenceFlag> handle;
  // True when another holder had it already (the system's "already exists").
  bool alreadyExisted = false;
};

class ExistenceFlags {
 public:
  virtual ~ExistenceFlags() = default;
  virtual FlagCreation create(const std::string& name) = 0;
};

}  // namespace skelder
