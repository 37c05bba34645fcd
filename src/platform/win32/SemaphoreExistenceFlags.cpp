#include "platform/win32/SemaphoreExistenceFlags.h"

#include "platform/win32/Windows.h"

namespace skelder {

namespace {

class SemaphoreFlag : public ExistenceFlag {
 public:
  explicit SemaphoreFlag(HANDLE handle) : handle_(handle) {}
  ~SemaphoreFlag() override { CloseHandle(handle_); }
  SemaphoreFlag(const SemaphoreFlag&) = delete;
  SemaphoreFlag& operator=(const SemaphoreFlag&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace

FlagCreation SemaphoreExistenceFlags::create(const std::string& name) {
  FlagCreation result;
  SetLastError(ERROR_SUCCESS);
  HANDLE handle = CreateSemaphoreA(nullptr, 0, 1, name.c_str());
  const DWORD error = GetLastError();
  if (!handle) return result;
  result.handle = std::make_unique<SemaphoreFlag>(handle);
  result.alreadyExisted = error == ERROR_ALREADY_EXISTS;
  return result;
}

}  // namespace skelder
