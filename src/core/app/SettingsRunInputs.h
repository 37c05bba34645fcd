#pragma once
// The run inputs that come from the settings.
#include "core/app/Settings.h"
#include "core/run/RunInputs.h"

namespace skelder {

// The user data, the terminal options (with the editor font's height as the screen gives
// it) and "Do not tile".
RunInputs RunInputsFromSettings(const Settings& settings, int editorFontHeight);

}  // namespace skelder
