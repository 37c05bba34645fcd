#pragma once
// The running processes of the system, as far as the program needs to know them.
#include <string>

namespace skelder {

class ProcessList {
 public:
  virtual ~ProcessList() = default;
  // Whether a process runs whose executable file is named executableName ("ttermpro.exe"),
  // compared without regard to letter case. By default nothing runs.
  virtual bool isRunning(const std::string& /*executableName*/) const { return false; }
};

}  // namespace skelder
