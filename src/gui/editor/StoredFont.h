#pragma once
// Fonts as the settings keep them (name, character set, points, style bits) and as the
// screen shows them.
#include <QFont>

#include "core/base/FontSetting.h"

namespace skelder {

QFont ScreenFontOf(const FontSetting& stored);
// The character set has no place in a screen font: the one given is kept.
FontSetting StoredFontOf(const QFont& font, int charSet);

}  // namespace skelder
