#pragma once
#include <string>

namespace skelder {

// A font as the settings keep it: face name, character set (the Windows font
// character-set byte), size in points and style bits (1 bold, 2 italic, 4 underline,
// 8 strike-out).
struct FontSetting {
  std::string name;
  int charSet = 1;
  int size = 9;
  int style = 0;
  bool operator==(const FontSetting& o) const {
    return name == o.name && charSet == o.charSet && size == o.size && style == o.style;
  }
};

}  // namespace skelder
