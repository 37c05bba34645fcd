#include "core/tree/NodeTextEncoding.h"

namespace skelder {

static bool IsAsciiAlnum(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string EncodeNodeText(const std::string& text, bool spaceAsPlus) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsAsciiAlnum(c)) {
      result += ch;
    } else if (c == ' ' && spaceAsPlus) {
      result += '+';
    } else {
      result += '%';
      result += kDigits[c >> 4];
      result += kDigits[c & 0x0F];
    }
  }
  return result;
}

std::string DecodeNodeText(const std::string& encoded) {
  std::string result;
  result.reserve(encoded.size());
  const std::size_t length = encoded.size();
  std::size_t i = 0;
  while (i < length) {
    const char c = encoded[i];
    if (c == '%') {
      std::string hex(2, '\0');  // a position past the end counts as a byte 0
      if (i + 1 < length) hex[0] = encoded[i + 1];
      if (i + 2 < length) hex[1] = encoded[i + 2];
      result += static_cast<char>(ParseHexValue(hex) & 0xFF);
      i += 3;
    } else if (c == '+') {
      result += ' ';
      ++i;
    } else {
      result += c;
      ++i;
    }
  }
  return result;
}

std::int64_t ParseHexValue(const std::string& text) {
  std::size_t end = text.size();
  if (end > 0 && (text[end - 1] == 'H' || text[end - 1] == 'h')) --end;
  // Unsigned arithmetic: an overlong text wraps instead of overflowing.
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < end; ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      return 0;
    }
    value = value * 16 + digit;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace skelder
