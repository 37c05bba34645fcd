#include "support/ToolRun.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"

namespace skelder::testing {

ToolRun RunTool(const std::string& folder, const std::string& environment,
                const std::string& arguments) {
  ToolRun result;
#ifndef _WIN32
  const std::string out = folder + "/stdout", err = folder + "/stderr";
  const std::string command = "cd '" + folder + "' && env " + environment + " " +
                              SKELDER_DEMO_DIR "/skeldertool " + arguments + " >'" + out + "' 2>'" +
                              err + "' </dev/null";
  const int raw = std::system(command.c_str());
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFileBytes(out);
  result.err = ReadFileBytes(err);
  std::error_code ec;
  std::filesystem::remove(out, ec);
  std::filesystem::remove(err, ec);
#endif
  return result;
}

}  // namespace skelder::testing
