#include "platform/FileVersion.h"

#include <fstream>

namespace skelder {

namespace {

constexpr uint32_t kResourceTypeVersion = 16;  // RT_VERSION
constexpr uint32_t kVersionResourceName = 1;   // VS_VERSION_INFO
constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr uint32_t kSubdirectoryFlag = 0x80000000;
// Directory entries followed at most; real files have a handful.
constexpr uint32_t kMaxEntries = 4096;

class PeImage {
 public:
  explicit PeImage(const ByteSource& source) : source_(source) {}

  bool u16(uint32_t offset, uint16_t& value) const {
    unsigned char b[2];
    if (!source_(offset, 2, b)) return false;
    value = static_cast<uint16_t>(b[0] | b[1] << 8);
    return true;
  }
  bool u32(uint32_t offset, uint32_t& value) const {
    unsigned char b[4];
    if (!source_(offset, 4, b)) return false;
    value = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
            static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
    return true;
  }

  // Reads the headers; false when this is no PE file.
  bool open() {
    uint16_t mz = 0;
    uint32_t pe = 0, signature = 0;
    if (!u16(0, mz) || mz != 0x5A4D || !u32(0x3C, pe) || !u32(pe, signature) ||
        signature != 0x00004550)
      return false;
    uint16_t optionalSize = 0, magic = 0;
    if (!u16(pe + 6, sections_) || !u16(pe + 20, optionalSize)) return false;
    const uint32_t optional = pe + 24;
    if (!u16(optional, magic)) return false;
    uint32_t directories = 0, countOffset = 0;
    if (magic == 0x10B) {  // PE32
      countOffset = 92;
      directories = 96;
    } else if (magic == 0x20B) {  // PE32+
      countOffset = 108;
      directories = 112;
    } else {
      return false;
    }
    uint32_t count = 0;
    if (!u32(optional + countOffset, count) || count <= 2) return false;
    const uint32_t resourceEntry = directories + 2 * 8;
    if (resourceEntry + 8 > optionalSize) return false;
    if (!u32(optional + resourceEntry, resourceRva_)) return false;
    sectionTable_ = optional + optionalSize;
    return resourceRva_ != 0 && toOffset(resourceRva_, resourceBase_);
  }

  // The file offset of a relative virtual address, through the section table.
  bool toOffset(uint32_t rva, uint32_t& offset) const {
    for (uint32_t i = 0; i < sections_; ++i) {
      const uint32_t header = sectionTable_ + i * 40;
      uint32_t virtualSize = 0, address = 0, rawSize = 0, rawOffset = 0;
      if (!u32(header + 8, virtualSize) || !u32(header + 12, address) ||
          !u32(header + 16, rawSize) || !u32(header + 20, rawOffset))
        return false;
      const uint32_t span = virtualSize > rawSize ? virtualSize : rawSize;
      if (rva >= address && rva - address < span) {
        if (rva - address >= rawSize) return false;  // not stored in the file
        offset = rawOffset + (rva - address);
        return offset >= rawOffset;  // no wrap-around
      }
    }
    return false;
  }

  // The entry with the given id in the resource directory at dirOffset (relative to
  // the resource section); with first set, the first entry of any name.
  bool entry(uint32_t dirOffset, uint32_t id, bool first, uint32_t& target) const {
    uint16_t named = 0, ids = 0;
    if (!u16(resourceBase_ + dirOffset + 12, named) || !u16(resourceBase_ + dirOffset + 14, ids))
      return false;
    const uint32_t total = static_cast<uint32_t>(named) + ids;
    for (uint32_t i = 0; i < total && i < kMaxEntries; ++i) {
      uint32_t name = 0, data = 0;
      const uint32_t at = resourceBase_ + dirOffset + 16 + i * 8;
      if (!u32(at, name) || !u32(at + 4, data)) return false;
      if (first || (!(name & kSubdirectoryFlag) && name == id)) {
        target = data;
        return true;
      }
    }
    return false;
  }

  std::optional<FileVersion> version() const {
    uint32_t names = 0, languages = 0, leaf = 0;
    if (!entry(0, kResourceTypeVersion, false, names) || !(names & kSubdirectoryFlag)) return {};
    if (!entry(names & ~kSubdirectoryFlag, kVersionResourceName, false, languages) ||
        !(languages & kSubdirectoryFlag))
      return {};
    if (!entry(languages & ~kSubdirectoryFlag, 0, true, leaf) || (leaf & kSubdirectoryFlag))
      return {};
    uint32_t dataRva = 0, dataSize = 0, data = 0;
    if (!u32(resourceBase_ + leaf, dataRva) || !u32(resourceBase_ + leaf + 4, dataSize) ||
        !toOffset(dataRva, data))
      return {};
    // VS_VERSIONINFO: length, value length, type, the key "VS_VERSION_INFO" in UTF-16
    // with its terminator, padding to 32 bits, then VS_FIXEDFILEINFO.
    static const char kKey[] = "VS_VERSION_INFO";
    constexpr uint32_t kFixed = 40;
    uint16_t length = 0, valueLength = 0;
    if (!u16(data, length) || !u16(data + 2, valueLength)) return {};
    if (length < kFixed + 52 || length > dataSize || valueLength < 52) return {};
    for (uint32_t i = 0; i < sizeof kKey; ++i) {
      uint16_t c = 0;
      if (!u16(data + 6 + 2 * i, c) || c != static_cast<unsigned char>(kKey[i])) return {};
    }
    uint32_t signature = 0, high = 0, low = 0;
    if (!u32(data + kFixed, signature) || signature != kFixedInfoSignature ||
        !u32(data + kFixed + 8, high) || !u32(data + kFixed + 12, low))
      return {};
    return FileVersion{high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF};
  }

 private:
  const ByteSource& source_;
  uint16_t sections_ = 0;
  uint32_t sectionTable_ = 0;
  uint32_t resourceRva_ = 0;
  uint32_t resourceBase_ = 0;
};

}  // namespace

std::optional<FileVersion> ReadPeFileVersion(const ByteSource& source) {
  PeImage image(source);
  if (!image.open()) return std::nullopt;
  return image.version();
}

std::optional<FileVersion> ReadPeFileVersion(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0) return std::nullopt;
  const auto fileSize = static_cast<unsigned long long>(size);
  return ReadPeFileVersion([&](uint32_t offset, uint32_t count, void* out) {
    if (static_cast<unsigned long long>(offset) + count > fileSize) return false;
    in.clear();
    in.seekg(offset);
    return static_cast<bool>(in.read(static_cast<char*>(out), count));
  });
}

}  // namespace skelder
