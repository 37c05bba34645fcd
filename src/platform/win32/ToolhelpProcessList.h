#pragma once
#include "platform/ProcessList.h"

namespace skelder {

// The processes of a Toolhelp snapshot, by the executable names it lists.
class ToolhelpProcessList : public ProcessList {
 public:
  bool isRunning(const std::string& executableName) const override;
};

}  // namespace skelder
