#include "core/integration/InstalledVersions.h"

#include "core/base/ProgramFolder.h"
#include "core/integration/VersionLines.h"

namespace skelder {

FileVersion InstalledTeraTermVersion(const SystemInfo& system, const std::string& programFolder) {
  return system.fileVersion(FindProgramFile(programFolder, "ttermpro.exe"));
}

FileVersion InstalledProductVersion(const SystemInfo& system) {
#ifdef _WIN32
  return system.fileVersion(system.executablePath());
#else
  (void)system;
  return ProgramVersion();
#endif
}

}  // namespace skelder
