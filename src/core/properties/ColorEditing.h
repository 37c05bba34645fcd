#pragma once
// The edits of the "Colors" page on a colour set: one component, reversing text and
// background, one background for all attributes, and which schema a colour string is.
#include <cstdint>
#include <string>

#include "core/properties/ColorSet.h"

namespace skelder {

// Normal, bold, blink and URL.
inline constexpr int kColorAttributeCount = 4;

// The index of one component (0 red, 1 green, 2 blue) of an attribute's text or
// background colour.
int ColorIndex(int attribute, bool background, int component);

// Sets one component. When a background component is set with sameBackground, the
// attribute's whole background then becomes the background of all four attributes.
void SetColorComponent(ColorSet& colors, int attribute, bool background, int component,
                       std::uint8_t value, bool sameBackground);

// Swaps text and background of the attribute, or of all four with allAttributes.
void ReverseColors(ColorSet& colors, int attribute, bool allAttributes);

// The attribute's background becomes the background of all four attributes.
void CopyBackground(ColorSet& colors, int attribute);

// The schema list entry that describes the colour string: the first built-in schema with
// exactly this string, else the "from TeraTerm.ini file" entry when the Tera Term colours
// are this string, else -1.
int MatchingSchema(const std::string& colors, const std::string& teraTermColors);

// The colours a stored colour string stands for: the string itself when it is valid,
// else the Tera Term colours, else (a damaged teraterm.ini) schema 0.
ColorSet ResolveColors(const std::string& colors, const std::string& teraTermColors);

// The highlight of the editor's caret line over a background (red + 256 * green +
// 65536 * blue): each component above 127 lowered by 64, the others raised by 64.
std::uint32_t CaretLineColor(std::uint32_t background);

}  // namespace skelder
