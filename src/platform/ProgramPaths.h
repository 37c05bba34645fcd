#pragma once
// The form in which a started program understands file paths. Programs of this system
// take paths as they are; on Linux a Windows program (run through wine) takes their
// Windows forms.
#include <string>
#include <vector>

namespace skelder {

class ProgramPaths {
 public:
  virtual ~ProgramPaths() = default;
  // The paths, in order, as the program should be given them. As they are by default.
  virtual std::vector<std::string> pathsFor(const std::string& program,
                                            const std::vector<std::string>& paths);
  // The folder separator of the program's paths. This system's by default.
  virtual char separatorFor(const std::string& program);
};

}  // namespace skelder
