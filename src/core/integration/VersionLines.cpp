#include "core/integration/VersionLines.h"

#include <cstdint>
#include <sstream>

namespace skelder {

FileVersion ParseVersion(const std::string& text) {
  uint32_t parts[4] = {};
  std::istringstream in(text);
  std::string part;
  for (int i = 0; i < 4 && std::getline(in, part, '.'); ++i) {
    uint32_t value = 0;
    for (char c : part) {
      if (c < '0' || c > '9' || value > 0xFFFF) {
        value = 0;
        break;
      }
      value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    parts[i] = value > 0xFFFF ? 0 : value;
  }
  return FileVersion{parts[0], parts[1], parts[2], parts[3]};
}

FileVersion ProgramVersion() { return ParseVersion(SKELDER_VERSION); }

std::string VersionText(const FileVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.release);
}

std::string VersionLine(const FileVersion& version) {
  std::string line =
      "Version " + std::to_string(version.major) + "." + std::to_string(version.minor);
  if (version.release != 0)
    line += "  (Release " + std::to_string(version.release) + ")";
  else
    line += "  (Beta)";
  return line;
}

std::string BuildLine(const std::string& date) { return "Build: " + date; }

}  // namespace skelder
