#include "platform/ProgramPaths.h"

#include "platform/Platform.h"

namespace skelder {

std::vector<std::string> ProgramPaths::pathsFor(const std::string&,
                                                const std::vector<std::string>& paths) {
  return paths;
}

char ProgramPaths::separatorFor(const std::string&) { return PathSeparator(); }

}  // namespace skelder
