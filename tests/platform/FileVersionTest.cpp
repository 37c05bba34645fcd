#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/PeVersionFile.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(FileVersion, FilesWithoutAVersionResourceCountAsUnknown) {
  TempFolder folder;
  // A PE header without sections, a text file, an empty file, no file.
  std::string pe(0x200, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  pe[0x3c] = 0x40;
  pe.replace(0x40, 4, std::string("PE\0\0", 4));
  pe[0x40 + 24] = 0x0b;  // PE32 optional header
  pe[0x40 + 25] = 0x01;
  WriteFileBytes(folder.file("ttermpro.exe"), pe);
  WriteFileBytes(folder.file("notes.txt"), "MZ but nothing more");
  WriteFileBytes(folder.file("empty.exe"), "");
  const auto system = CreatePlatform().system;
  for (const char* name : {"ttermpro.exe", "notes.txt", "empty.exe", "missing.exe"}) {
    EXPECT_EQ(ReadPeFileVersion(folder.file(name)), std::nullopt) << name;
    EXPECT_EQ(system->fileVersion(folder.file(name)), kUnknownFileVersion) << name;
  }
}

// The tests' stand-in for a versioned ttermpro.exe reads as the system reads it.
TEST(FileVersion, TheTestsVersionedExecutableReadsItsVersion) {
  TempFolder folder;
  WriteFileBytes(folder.file("ttermpro.exe"), PeFileWithVersion(5, 2, 1, 77));
  const FileVersion expected{5, 2, 1, 77};
  EXPECT_EQ(ReadPeFileVersion(folder.file("ttermpro.exe")), expected);
  EXPECT_EQ(CreatePlatform().system->fileVersion(folder.file("ttermpro.exe")), expected);
}

}  // namespace skelder::testing
