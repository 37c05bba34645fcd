#include "support/PeVersionFile.h"

namespace skelder::testing {

namespace {

void Put16(std::string& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}

// A resource directory with one entry by id, at offset within the resource section.
void Directory(std::string& bytes, std::size_t at, std::uint32_t id, std::uint32_t target) {
  Put16(bytes, at + 14, 1);  // one entry by id
  Put32(bytes, at + 16, id);
  Put32(bytes, at + 20, target);
}

}  // namespace

std::string PeFileWithVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                              std::uint16_t build) {
  constexpr std::size_t kPe = 0x40, kOptional = kPe + 24, kOptionalSize = 0xE0;
  constexpr std::size_t kSections = kOptional + kOptionalSize, kRaw = 0x200;
  constexpr std::uint32_t kRva = 0x1000, kSectionSize = 0x200, kSubdirectory = 0x80000000;
  constexpr std::size_t kInfo = 0x58, kInfoSize = 40 + 52;
  std::string bytes(kRaw + kSectionSize, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  Put32(bytes, 0x3C, kPe);
  bytes.replace(kPe, 4, std::string("PE\0\0", 4));
  Put16(bytes, kPe + 4, 0x14C);  // i386
  Put16(bytes, kPe + 6, 1);      // one section
  Put16(bytes, kPe + 20, kOptionalSize);
  Put16(bytes, kPe + 22, 0x0102);  // executable, 32-bit
  // What the system's loader wants of an image it maps as data.
  Put16(bytes, kOptional, 0x10B);  // PE32
  Put32(bytes, kOptional + 28, 0x400000);
  Put32(bytes, kOptional + 32, 0x1000);
  Put32(bytes, kOptional + 36, 0x200);
  Put16(bytes, kOptional + 40, 4);
  Put16(bytes, kOptional + 48, 4);
  Put32(bytes, kOptional + 56, kRva + 0x1000);
  Put32(bytes, kOptional + 60, kRaw);
  Put16(bytes, kOptional + 68, 2);  // the Windows GUI subsystem
  Put32(bytes, kOptional + 92, 16);
  Put32(bytes, kOptional + 96 + 2 * 8, kRva);  // the resource directory
  Put32(bytes, kOptional + 96 + 2 * 8 + 4, kSectionSize);
  bytes.replace(kSections, 5, ".rsrc");
  Put32(bytes, kSections + 8, kSectionSize);
  Put32(bytes, kSections + 12, kRva);
  Put32(bytes, kSections + 16, kSectionSize);
  Put32(bytes, kSections + 20, kRaw);
  Put32(bytes, kSections + 36, 0x40000040);  // initialised data, readable

  // Type 16 (version), name 1, language 0x409, then the data entry.
  Directory(bytes, kRaw, 16, kSubdirectory | 0x18);
  Directory(bytes, kRaw + 0x18, 1, kSubdirectory | 0x30);
  Directory(bytes, kRaw + 0x30, 0x409, 0x48);
  Put32(bytes, kRaw + 0x48, kRva + kInfo);
  Put32(bytes, kRaw + 0x48 + 4, kInfoSize);

  // VS_VERSIONINFO: length, value length, type, the key, padding, VS_FIXEDFILEINFO.
  const std::size_t info = kRaw + kInfo;
  Put16(bytes, info, kInfoSize);
  Put16(bytes, info + 2, 52);
  const char key[] = "VS_VERSION_INFO";
  for (std::size_t i = 0; i < sizeof key; ++i) Put16(bytes, info + 6 + 2 * i, key[i]);
  Put32(bytes, info + 40, 0xFEEF04BD);
  Put32(bytes, info + 44, 0x00010000);
  Put32(bytes, info + 48, static_cast<std::uint32_t>(major) << 16 | minor);
  Put32(bytes, info + 52, static_cast<std::uint32_t>(release) << 16 | build);
  Put32(bytes, info + 56, static_cast<std::uint32_t>(major) << 16 | minor);
  Put32(bytes, info + 60, static_cast<std::uint32_t>(release) << 16 | build);
  return bytes;
}

}  // namespace skelder::testing
