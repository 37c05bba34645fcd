#pragma once
// The version texts on the web server ("5.2-1": major, ".", minor, "-", release) and
// how they compare with an installed file version.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileVersion.h"

namespace skelder {

struct PublishedVersion {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  std::int32_t release = 0;
};

// A := the number before the first "."; B := the number between that "." and the next
// "-" after it; C := the number after the first "-" of the text. Nothing is trimmed;
// nothing when any of the three is not a whole number from 0.
std::optional<PublishedVersion> ParsePublishedVersion(const std::string& text);

enum class VersionComparison { Newer, NotNewer, Unreadable };

// Newer when the published version is above the installed one in major, or equal in
// major and above in minor, or equal in both and above in release.
VersionComparison CompareVersion(const FileVersion& installed, const std::string& text);

}  // namespace skelder
