#pragma once
// The fixed settings of every print job of the macro editor. The text, the highlighter,
// the font, the tab width, colour printing and the header are set anew for each job.
#include <cstdint>

#include "core/base/FontSetting.h"

namespace skelder {

struct PrintJobSettings {
  int copies = 1;
  // Millimetres.
  double leftMargin = 20;
  double rightMargin = 10;
  double topMargin = 20;
  double bottomMargin = 20;
  double headerHeight = 15;
  double footerHeight = 15;
  double headerIndentLeft = 2;  // header and footer text, from the left and right margins
  double headerIndentRight = 2;
  double headerGap = 0.5;  // between the header or footer and the text
  bool mirroredMargins = false;
  FontSetting headerFont{"Arial", 1, 10, 0};
  // Colours as 0x00BBGGRR.
  std::uint32_t headerFontColor = 0x000000;
  std::uint32_t headerShading = 0xFFFFFF;
  std::uint32_t pageBackground = 0xFFFFFF;
  std::uint32_t textColor = 0x000000;  // the editor's font is printed in black
};

}  // namespace skelder
