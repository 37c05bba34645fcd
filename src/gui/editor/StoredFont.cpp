#include "gui/editor/StoredFont.h"

#include "core/editor/HighlighterAttributes.h"
#include "gui/ui/LocalText.h"

namespace skelder {

QFont ScreenFontOf(const FontSetting& stored) {
  QFont font(FromLocal(stored.name), stored.size > 0 ? stored.size : 9);
  font.setBold((stored.style & kStyleBold) != 0);
  font.setItalic((stored.style & kStyleItalic) != 0);
  font.setUnderline((stored.style & kStyleUnderline) != 0);
  font.setStrikeOut((stored.style & kStyleStrikeOut) != 0);
  return font;
}

FontSetting StoredFontOf(const QFont& font, int charSet) {
  FontSetting stored;
  stored.name = ToLocal(font.family());
  stored.charSet = charSet;
  stored.size = font.pointSize() > 0 ? font.pointSize() : 9;
  stored.style = (font.bold() ? kStyleBold : 0) | (font.italic() ? kStyleItalic : 0) |
                 (font.underline() ? kStyleUnderline : 0) |
                 (font.strikeOut() ? kStyleStrikeOut : 0);
  return stored;
}

}  // namespace skelder
