#pragma once
// The colours of a connection's terminal window: text and background, red, green and
// blue, for the attributes normal, bold, blink and URL (attribute a starts at 6a, its
// background at 6a + 3). The program's working colour set is one of these.
#include <array>
#include <cstdint>
#include <string>

namespace skelder {

struct ColorSet {
  static constexpr int kSize = 24;
  std::array<std::uint8_t, kSize> bytes{};

  // red + 256 * green + 65536 * blue of the colour starting at the index.
  std::uint32_t screenColor(int index) const;
};

// Loads a colour string (24 decimal numbers joined by ":") into the set. A string of
// fewer than 47 characters changes nothing; otherwise every field that converts is
// stored (its low 8 bits) and the result says whether all 24 did.
bool ParseColorString(const std::string& text, ColorSet& colors);

// The 24 numbers in decimal joined by ":".
std::string FormatColorString(const ColorSet& colors);

}  // namespace skelder
