#include "core/text/CaseFolding.h"

namespace skelder {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The lower-case letter of a code point from U+0080 to U+07FF; itself when it has none
// in that range.
unsigned LowerTwoByteLetter(unsigned cp) {
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;  // Latin-1
  if (cp == 0x178) return 0xFF;                                  // Y with diaeresis
  if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177))
    return cp | 1;  // Latin Extended-A: upper case even, lower case odd
  if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
    return (cp & 1) ? cp + 1 : cp;                                  // here upper case odd
  if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) return cp + 0x20;  // Greek
  if (cp >= 0x410 && cp <= 0x42F) return cp + 0x20;                 // Cyrillic
  if (cp >= 0x400 && cp <= 0x40F) return cp + 0x50;
  return cp;
}

}  // namespace

void FoldInPlace(std::string& text) {
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c >= 'A' && c <= 'Z') text[i] = static_cast<char>(c + 0x20);
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF && i + 1 < size &&
        IsContinuation(static_cast<unsigned char>(text[i + 1]))) {
      const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
      const unsigned lower = LowerTwoByteLetter(cp);
      text[i] = static_cast<char>(0xC0 | (lower >> 6));
      text[i + 1] = static_cast<char>(0x80 | (lower & 0x3F));
      ++i;
      continue;
    }
    // Longer UTF-8 sequences stay as they are; a byte of no sequence is Latin-1.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) text[i] = static_cast<char>(c + 0x20);
  }
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  FoldInPlace(folded);
  return folded;
}

}  // namespace skelder
