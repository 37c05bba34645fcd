#pragma once
// The bytes of a minimal Windows executable (a PE32 file without code) whose version
// resource states the given file version: a ttermpro.exe of a known version for tests
// on any system.
#include <cstdint>
#include <string>

namespace skelder::testing {

std::string PeFileWithVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                              std::uint16_t build);

}  // namespace skelder::testing
