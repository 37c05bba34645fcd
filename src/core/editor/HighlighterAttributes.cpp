#include "core/editor/HighlighterAttributes.h"

namespace skelder {

const HighlighterAttributes& DefaultHighlighterAttributes() {
  static const HighlighterAttributes defaults = {{
      {"Comment", 0x008000, kNoColor, kStyleItalic},
      {"Macro", 0x808000, kNoColor, 0},
      {"Text", 0x800000, kNoColor, kStyleBold},
      {"Labels", 0xFF0000, kNoColor, 0},
      {"SkelderVars", 0x0000FF, kNoColor, 0},
      {"Space", kNoColor, kNoColor, 0},
      {"String", 0x800080, kNoColor, 0},
      {"Symbol", 0xFF00FF, kNoColor, kStyleBold},
      {"SysVars", 0x008080, kNoColor, 0},
  }};
  return defaults;
}

std::optional<AttributeIndex> AttributeOfKind(TokenKind kind) {
  switch (kind) {
    case TokenKind::Comment:
      return CommentAttri;
    case TokenKind::Identifier:
    case TokenKind::Other:
      return IdentifierAttri;
    case TokenKind::Command:
      return KeyAttri;
    case TokenKind::Label:
      return LabelsAttri;
    case TokenKind::SkelderKeyword:
      return SkelderVarsAttri;
    case TokenKind::Space:
      return SpaceAttri;
    case TokenKind::String:
      return StringAttri;
    case TokenKind::Operation:
      return SymbolAttri;
    case TokenKind::SystemVariable:
      return SysVarsAttri;
    case TokenKind::EndOfLine:
      break;
  }
  return std::nullopt;
}

void LoadHighlighterAttributes(SettingsStore& store, HighlighterAttributes& attributes) {
  for (TextAttribute& attribute : attributes) {
    auto key = store.openKey(std::string(kSettingsKeyPath) + "\\" + attribute.name, false);
    if (!key) continue;
    if (auto value = key->readInteger("Foreground"))
      attribute.foreground = static_cast<std::uint32_t>(*value);
    if (auto value = key->readInteger("Background"))
      attribute.background = static_cast<std::uint32_t>(*value);
    if (auto value = key->readInteger("Style")) attribute.style = *value;
  }
}

bool SaveHighlighterAttributes(SettingsStore& store, const HighlighterAttributes& attributes) {
  bool ok = true;
  for (const TextAttribute& attribute : attributes) {
    auto key = store.openKey(std::string(kSettingsKeyPath) + "\\" + attribute.name, true);
    if (!key) {
      ok = false;
      continue;
    }
    ok = key->writeInteger("Foreground", static_cast<std::int32_t>(attribute.foreground)) && ok;
    ok = key->writeInteger("Background", static_cast<std::int32_t>(attribute.background)) && ok;
    ok = key->writeInteger("Style", attribute.style) && ok;
  }
  return ok;
}

}  // namespace skelder
