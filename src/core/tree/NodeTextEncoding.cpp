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

namespace {

// ParseHexValue of the two bytes after a "%" (a NUL for a position past the end), as a
// byte: "4H" is 4, anything not hexadecimal 0.
char EscapedByte(char high, char low) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  const int first = digit(high);
  if (low == 'H' || low == 'h') return static_cast<char>(first < 0 ? 0 : first);
  const int second = digit(low);
  return static_cast<char>(first < 0 || second < 0 ? 0 : first * 16 + second);
}

}  // namespace

std::string DecodeNodeText(const std::string& encoded) {
  std::string result;
  DecodeNodeTextInto(result, encoded);
  return result;
}

void DecodeNodeTextInto(std::string& out, const std::string& encoded) {
  out.clear();
  out.reserve(encoded.size());
  const std::size_t length = encoded.size();
  std::size_t i = 0;
  while (i < length) {
    const char c = encoded[i];
    if (c == '%') {
      const char high = i + 1 < length ? encoded[i + 1] : '\0';
      const char low = i + 2 < length ? encoded[i + 2] : '\0';
      out += EscapedByte(high, low);
      i += 3;
    } else {
      out += c == '+' ? ' ' : c;
      ++i;
    }
  }
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
