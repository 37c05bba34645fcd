#include "gui/editor/StoredFont.h"

#include "core/editor/HighlighterAttributes.h"

namespace skelder {

QFont ScreenFontOf(const FontSpec& spec) {
  QFont font(QString::fromLocal8Bit(spec.name.c_str()), spec.size > 0 ? spec.size : 9);
  font.setBold((spec.style & kStyleBold) != 0);
  font.setItalic((spec.style & kStyleItalic) != 0);
  font.setUnderline((spec.style & kStyleUnderline) != 0);
  font.setStrikeOut((spec.style & kStyleStrikeOut) != 0);
  return font;
}

FontSpec StoredFontOf(const QFont& font, int charSet) {
  FontSpec spec;
  spec.name = font.family().toLocal8Bit().toStdString();
  spec.charSet = charSet;
  spec.size = font.pointSize() > 0 ? font.pointSize() : 9;
  spec.style = (font.bold() ? kStyleBold : 0) | (font.italic() ? kStyleItalic : 0) |
               (font.underline() ? kStyleUnderline : 0) | (font.strikeOut() ? kStyleStrikeOut : 0);
  return spec;
}

}  // namespace skelder
