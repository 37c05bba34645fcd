#pragma once
// The file version of an executable as its version resource states it, and the portable
// reader of that resource in a Windows executable (a PE file).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace skelder {

struct FileVersion {
  // major and minor: the high and low halves of the version's most significant 32 bits;
  // release and build: those of the least significant 32 bits. Wider than the 16 bits
  // a resource holds, for the unknown version below.
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t release = 0;
  uint32_t build = 0;
  bool operator==(const FileVersion& o) const {
    return major == o.major && minor == o.minor && release == o.release && build == o.build;
  }
  bool operator!=(const FileVersion& o) const { return !(*this == o); }
};

// What a file without a version resource counts as: newer than anything offered.
inline constexpr FileVersion kUnknownFileVersion{99999, 99999, 0, 0};

// Copies size bytes at offset into out; false when the source ends before.
using ByteSource = std::function<bool(uint32_t offset, uint32_t size, void* out)>;

// The fixed file information of the version resource (type 16, name 1, the first
// language) of a PE file; nothing for any other file or a damaged one.
std::optional<FileVersion> ReadPeFileVersion(const ByteSource& source);
std::optional<FileVersion> ReadPeFileVersion(const std::string& path);

}  // namespace skelder
