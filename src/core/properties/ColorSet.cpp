#include "core/properties/ColorSet.h"

#include "core/text/DecimalNumber.h"

#include <cstdint>

namespace skelder {

namespace {

constexpr std::size_t kShortestColorString = 47;  // 24 one-digit numbers, 23 separators

}  // namespace

std::uint32_t ColorSet::screenColor(int index) const {
  const auto i = static_cast<std::size_t>(index);
  return bytes[i] + 256u * bytes[i + 1] + 65536u * bytes[i + 2];
}

bool ParseColorString(const std::string& text, ColorSet& colors) {
  if (text.size() < kShortestColorString) return false;
  bool valid = true;
  std::string rest = text;
  for (int field = 0; field < ColorSet::kSize; ++field) {
    std::string part;
    if (field < ColorSet::kSize - 1) {
      // Without a separator left the field is empty and nothing is dropped.
      const auto colon = rest.find(':');
      if (colon != std::string::npos) {
        part = rest.substr(0, colon);
        rest.erase(0, colon + 1);
      }
    } else {
      part = rest;
    }
    std::int32_t value = 0;
    if (ParseDecimal(part, value)) {
      colors.bytes[static_cast<std::size_t>(field)] = static_cast<std::uint8_t>(value & 0xFF);
    } else {
      valid = false;
    }
  }
  return valid;
}

std::string FormatColorString(const ColorSet& colors) {
  std::string result;
  result.reserve(ColorSet::kSize * 4);
  for (std::size_t i = 0; i < colors.bytes.size(); ++i) {
    if (i > 0) result += ':';
    result += std::to_string(colors.bytes[i]);
  }
  return result;
}

}  // namespace skelder
