#pragma once
// The nine text attributes of the TTL highlighter (colour and font style of each kind of
// token), their defaults, and their place in the settings key: one subkey per attribute,
// named after it, with the values "Foreground", "Background" and "Style".
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/editor/TtlScanner.h"
#include "platform/SettingsStore.h"

namespace skelder {

// Colours are 0x00BBGGRR; 0xFF0000nn is system colour nn; this one is "none": the
// editor's own colour shows.
inline constexpr std::uint32_t kNoColor = 0x1FFFFFFF;

// Style bits.
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
inline constexpr int kStyleUnderline = 4;
inline constexpr int kStyleStrikeOut = 8;

struct TextAttribute {
  std::string name;
  std::uint32_t foreground = kNoColor;
  std::uint32_t background = kNoColor;
  int style = 0;
  bool operator==(const TextAttribute& o) const {
    return name == o.name && foreground == o.foreground && background == o.background &&
           style == o.style;
  }
};

// The attributes in the order they are enumerated, saved and loaded.
enum AttributeIndex {
  CommentAttri,
  IdentifierAttri,
  KeyAttri,
  LabelsAttri,
  SkelderVarsAttri,
  SpaceAttri,
  StringAttri,
  SymbolAttri,
  SysVarsAttri,
};
inline constexpr int kAttributeCount = 9;

using HighlighterAttributes = std::array<TextAttribute, kAttributeCount>;

const HighlighterAttributes& DefaultHighlighterAttributes();

// The attribute a token kind is drawn with; none for the end of a line.
std::optional<AttributeIndex> AttributeOfKind(TokenKind kind);

// Applies the values that exist in the attributes' subkeys of the settings key.
void LoadHighlighterAttributes(SettingsStore& store, HighlighterAttributes& attributes);
// Writes the three values of every attribute; false when any could not be stored.
bool SaveHighlighterAttributes(SettingsStore& store, const HighlighterAttributes& attributes);

}  // namespace skelder
