#pragma once
// Runs the built skeldertool as a shell command and keeps what it printed.
#include <string>

namespace skelder::testing {

struct ToolRun {
  int status = -1;  // the exit status, -1 when it did not exit
  std::string out, err;
};

// In the folder, with the environment assignments before the tool ("NAME='value' ..."),
// standard input empty; the output files go to the folder and are removed again.
ToolRun RunTool(const std::string& folder, const std::string& environment,
                const std::string& arguments);

}  // namespace skelder::testing
