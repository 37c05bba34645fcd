#include "gui/editor/StoredColor.h"

#include <QApplication>
#include <QPalette>

namespace skelder {

namespace {

// The palette role nearest to each of the system colours.
QPalette::ColorRole SystemRole(int index) {
  switch (index) {
    case 1:  // desktop
    case 4:  // menu
      return QPalette::Window;
    case 2:   // active caption
    case 13:  // highlight
      return QPalette::Highlight;
    case 7:  // menu text
      return QPalette::WindowText;
    case 8:  // window text
      return QPalette::Text;
    case 9:   // caption text
    case 14:  // highlighted text
      return QPalette::HighlightedText;
    case 15:  // button face
      return QPalette::Button;
    case 16:  // button shadow
      return QPalette::Dark;
    case 17:  // grey text
      return QPalette::PlaceholderText;
    case 18:  // button text
      return QPalette::ButtonText;
    case 20:  // button highlight
      return QPalette::Light;
    case 21:  // dark shadow
      return QPalette::Shadow;
    case 22:  // light
      return QPalette::Midlight;
    case 23:  // tooltip text
      return QPalette::ToolTipText;
    case 24:  // tooltip background
      return QPalette::ToolTipBase;
    default:  // 5, the window, and the rest
      return QPalette::Base;
  }
}

}  // namespace

QColor ScreenColorOf(std::uint32_t stored) {
  if ((stored & 0xFF000000u) == 0xFF000000u)
    return QApplication::palette().color(SystemRole(static_cast<int>(stored & 0xFF)));
  return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                static_cast<int>((stored >> 16) & 0xFF));
}

std::uint32_t StoredColorOf(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace skelder
