#include "tool/JsonText.h"

namespace skelder {

namespace {

// The length of the UTF-8 sequence starting at i, or 0 when it is not a valid one
// (overlong forms, surrogates and values above U+10FFFF are not valid).
std::size_t SequenceLength(const std::string& s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length;
  unsigned min, max;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, max = 0xBF;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    min = lead == 0xE0 ? 0xA0 : 0x80;
    max = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    min = lead == 0xF0 ? 0x90 : 0x80;
    max = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < min || byte(i + 1) > max) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

void AppendCodePoint(std::string& out, unsigned value) {
  if (value < 0x80) {
    out += static_cast<char>(value);
  } else {
    out += static_cast<char>(0xC0 | (value >> 6));
    out += static_cast<char>(0x80 | (value & 0x3F));
  }
}

}  // namespace

bool IsValidUtf8(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string JsonTextFromBytes(const std::string& bytes) {
  if (IsValidUtf8(bytes)) return bytes;
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendCodePoint(text, static_cast<unsigned char>(c));
  return text;
}

std::string BytesFromJsonText(const std::string& text, bool codePageBytes) {
  if (!codePageBytes) return text;
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      bytes += text[i++];
    } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < text.size()) {
      bytes += static_cast<char>(((lead & 0x1F) << 6) | (text[i + 1] & 0x3F));
      i += 2;
    } else {
      return text;  // a character above 255
    }
  }
  return IsValidUtf8(bytes) ? text : bytes;
}

}  // namespace skelder
