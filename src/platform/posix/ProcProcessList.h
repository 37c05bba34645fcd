#pragma once
#include "platform/ProcessList.h"

namespace skelder {

// The processes in /proc (or another folder of that form, for tests). A process counts
// by the file name of its first argument, which for a Windows program under Wine is its
// Windows path ("C:\...\ttermpro.exe"), or by its command name.
class ProcProcessList : public ProcessList {
 public:
  explicit ProcProcessList(std::string procFolder = "/proc") : procFolder_(std::move(procFolder)) {}
  bool isRunning(const std::string& executableName) const override;

 private:
  std::string procFolder_;
};

}  // namespace skelder
