#pragma once
// Starts programs and opens documents the way the shell's "open" verb does, without
// waiting for them.
#include <string>

namespace skelder {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // file: a program or a document (or a URL); parameters: one command-line string in
  // the Windows manner (blanks separate, double quotes group); folder: the working
  // folder, empty for the current one. False when nothing could be started.
  virtual bool open(const std::string& file, const std::string& parameters,
                    const std::string& folder) = 0;
};

}  // namespace skelder
