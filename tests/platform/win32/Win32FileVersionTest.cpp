#include <gtest/gtest.h>

#include <cstring>

#include "core/integration/VersionLines.h"
#include "platform/FileVersion.h"
#include "platform/win32/Win32SystemInfo.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

std::optional<FileVersion> ReadBytes(const std::string& bytes) {
  return ReadPeFileVersion([&](uint32_t offset, uint32_t size, void* out) {
    if (static_cast<uint64_t>(offset) + size > bytes.size()) return false;
    std::memcpy(out, bytes.data() + offset, size);
    return true;
  });
}

}  // namespace

TEST(FileVersion, ThePortableReaderAgreesWithTheSystem) {
  Win32SystemInfo system;
  const FileVersion expected{4, 106, 3, 2071};
  EXPECT_EQ(system.fileVersion(SKELDER_VERSION_SAMPLE), expected);
  EXPECT_EQ(ReadPeFileVersion(SKELDER_VERSION_SAMPLE), expected);

  EXPECT_EQ(system.fileVersion(SKELDER_PLAIN_SAMPLE), kUnknownFileVersion);
  EXPECT_EQ(ReadPeFileVersion(SKELDER_PLAIN_SAMPLE), std::nullopt);
  EXPECT_EQ(system.fileVersion("Z:\\no\\such\\ttermpro.exe"), kUnknownFileVersion);
}

// The update check reads the program's own version from its executable: the version
// resource carries the version the build compiles in.
TEST(FileVersion, TheToolsResourceCarriesTheProjectsVersion) {
  Win32SystemInfo system;
  EXPECT_EQ(system.fileVersion(SKELDER_TOOL_EXECUTABLE), ProgramVersion());
  EXPECT_EQ(ReadPeFileVersion(SKELDER_TOOL_EXECUTABLE), ProgramVersion());
}

// A damaged file never crashes the reader: it gives the version or nothing.
TEST(FileVersion, DamagedFilesGiveTheVersionOrNothing) {
  const std::string sample = ReadFileBytes(SKELDER_VERSION_SAMPLE);
  ASSERT_GT(sample.size(), 1024u);
  const FileVersion expected{4, 106, 3, 2071};
  for (size_t size = 0; size < sample.size(); size += 1 + size / 16) {
    const auto version = ReadBytes(sample.substr(0, size));
    EXPECT_TRUE(!version || *version == expected) << "cut at " << size;
  }
  for (size_t at = 0; at < sample.size(); at += 7) {
    std::string flipped = sample;
    flipped[at] = static_cast<char>(~flipped[at]);
    ReadBytes(flipped);
  }
  EXPECT_EQ(ReadBytes(sample), expected);
}

}  // namespace skelder::testing
