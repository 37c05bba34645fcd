#pragma once
// Starts programs detached: a Windows executable (a PE file) through wine, any other
// executable directly, documents and URLs through xdg-open.
#include <string>
#include <vector>

#include "platform/ProgramStarter.h"

namespace skelder {

class PosixProgramStarter : public ProgramStarter {
 public:
  bool open(const std::string& file, const std::string& parameters,
            const std::string& folder) override;

  // The argument vector that open() starts for the file.
  static std::vector<std::string> CommandFor(const std::string& file,
                                             const std::string& parameters);
};

// Splits a command-line string as Windows programs do: blanks separate arguments,
// double quotes group (and are removed), backslashes before a quote escape it.
std::vector<std::string> SplitCommandLine(const std::string& line);

// True when the file starts with a Windows PE header ("MZ" ... "PE\0\0").
bool IsWindowsExecutable(const std::string& path);

}  // namespace skelder
