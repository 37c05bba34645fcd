#pragma once
// Fonts as the settings keep them (name, character set, points, style bits) and as the
// screen shows them.
#include <QFont>

#include "core/app/FontSpec.h"

namespace skelder {

QFont ScreenFontOf(const FontSpec& stored);
// The character set has no place in a screen font: the one given is kept.
FontSpec StoredFontOf(const QFont& font, int charSet);

}  // namespace skelder
