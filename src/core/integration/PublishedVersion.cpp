#include "core/integration/PublishedVersion.h"

#include "core/text/DecimalNumber.h"

namespace skelder {

namespace {

bool Number(const std::string& text, std::int32_t& value) {
  std::int32_t number = 0;
  if (!ParseDecimal(text, number) || number < 0) return false;
  value = number;
  return true;
}

}  // namespace

std::optional<PublishedVersion> ParsePublishedVersion(const std::string& text) {
  const auto dot = text.find('.');
  const auto dash = text.find('-');
  if (dot == std::string::npos || dash == std::string::npos) return std::nullopt;
  const std::string rest = text.substr(dot + 1);
  const auto restDash = rest.find('-');
  if (restDash == std::string::npos) return std::nullopt;
  PublishedVersion version;
  if (!Number(text.substr(0, dot), version.major) ||
      !Number(rest.substr(0, restDash), version.minor) ||
      !Number(text.substr(dash + 1), version.release))
    return std::nullopt;
  return version;
}

VersionComparison CompareVersion(const FileVersion& installed, const std::string& text) {
  const auto published = ParsePublishedVersion(text);
  if (!published) return VersionComparison::Unreadable;
  const auto major = static_cast<std::uint32_t>(published->major);
  const auto minor = static_cast<std::uint32_t>(published->minor);
  const auto release = static_cast<std::uint32_t>(published->release);
  if (major != installed.major)
    return major > installed.major ? VersionComparison::Newer : VersionComparison::NotNewer;
  if (minor != installed.minor)
    return minor > installed.minor ? VersionComparison::Newer : VersionComparison::NotNewer;
  return release > installed.release ? VersionComparison::Newer : VersionComparison::NotNewer;
}

}  // namespace skelder
