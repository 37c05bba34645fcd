#pragma once
// Paths for programs started through wine: a Windows executable gets the Windows forms
// that "winepath -w" gives; any other program gets the paths as they are.
#include "platform/ProgramPaths.h"

namespace skelder {

class WineProgramPaths : public ProgramPaths {
 public:
  std::vector<std::string> pathsFor(const std::string& program,
                                    const std::vector<std::string>& paths) override;
  char separatorFor(const std::string& program) override;
};

// The lines "winepath -w" prints for the paths (one call for all of them); nothing
// when it cannot be run or does not print one line per path.
std::vector<std::string> WinePaths(const std::vector<std::string>& paths);

}  // namespace skelder
