#pragma once
// The version and build lines of the about and splash windows.
#include <string>

#include "platform/FileVersion.h"

namespace skelder {

// The date of this release, as the build line shows it.
inline constexpr const char* kBuildDate = "10-Dec-2026";

// The program's own version: SKELDER_VERSION ("major.minor.release[.build]").
FileVersion ProgramVersion();
// "1.2.3" or "1.2.3.4" as a version; missing or unreadable parts count as 0.
FileVersion ParseVersion(const std::string& text);

// major + "." + minor + "." + release ("1.0.0").
std::string VersionText(const FileVersion& version);

// "Version " + major + "." + minor, then "  (Release " + release + ")", or "  (Beta)"
// for release 0.
std::string VersionLine(const FileVersion& version);
// "Build: " + the date.
std::string BuildLine(const std::string& date = kBuildDate);

}  // namespace skelder
