#pragma once
// Reads little-endian integers and length-prefixed strings from a byte string. Every
// read checks what is left first: nothing is allocated for a length the rest of the
// bytes cannot hold.
#include <cstdint>
#include <string>
#include <string_view>

namespace skelder {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t remaining() const { return bytes_.size() - position_; }

  // Up to count bytes (fewer at the end).
  std::string_view take(std::size_t count) {
    const std::string_view part = bytes_.substr(position_, count);
    position_ += part.size();
    return part;
  }

  bool readByte(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = static_cast<std::uint8_t>(bytes_[position_++]);
    return true;
  }

  bool readInt32(std::int32_t& value) {
    if (remaining() < 4) return false;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
      bits =
          (bits << 8) | static_cast<std::uint8_t>(bytes_[position_ + static_cast<std::size_t>(i)]);
    position_ += 4;
    value = static_cast<std::int32_t>(bits);
    return true;
  }

  // A signed 32-bit byte count, then that many bytes. False for a negative count or
  // one larger than what is left.
  bool readString(std::string& value) {
    std::int32_t length = 0;
    if (!readInt32(length) || length < 0 || static_cast<std::size_t>(length) > remaining())
      return false;
    value.assign(bytes_.data() + position_, static_cast<std::size_t>(length));
    position_ += static_cast<std::size_t>(length);
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace skelder
