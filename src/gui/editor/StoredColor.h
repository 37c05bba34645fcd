#pragma once
// Colours as the settings keep them (0x00BBGGRR, 0xFF0000nn for system colour nn) and
// as the screen shows them.
#include <QColor>
#include <cstdint>

namespace skelder {

// The screen colour of a stored one; a system colour through the application's palette.
QColor ScreenColorOf(std::uint32_t stored);
std::uint32_t StoredColorOf(const QColor& color);

}  // namespace skelder
