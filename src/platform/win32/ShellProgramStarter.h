#pragma once
// Starts programs and opens documents through the shell's "open" verb (ShellExecuteA),
// in a normal window, without waiting for them.
#include "platform/ProgramStarter.h"

namespace skelder {

class ShellProgramStarter : public ProgramStarter {
 public:
  bool open(const std::string& file, const std::string& parameters,
            const std::string& folder) override;
};

}  // namespace skelder
