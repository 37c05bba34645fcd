#pragma once
// The installed versions the update check compares: Tera Term's from the version
// resource of "ttermpro.exe" in the program folder, the product's own.
#include <string>

#include "platform/FileVersion.h"
#include "platform/SystemInfo.h"

namespace skelder {

// kUnknownFileVersion when the file or its version resource is missing.
FileVersion InstalledTeraTermVersion(const SystemInfo& system, const std::string& programFolder);

// On Windows the version resource of the running executable, elsewhere the version
// the build compiled in (ProgramVersion); both come from the project's version.
FileVersion InstalledProductVersion(const SystemInfo& system);

}  // namespace skelder
