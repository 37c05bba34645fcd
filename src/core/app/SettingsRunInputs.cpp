#include "core/app/SettingsRunInputs.h"

namespace skelder {

RunInputs RunInputsFromSettings(const Settings& settings, int editorFontHeight) {
  RunInputs inputs;
  inputs.userData = {settings.varName, settings.varEmail, settings.varPhone, settings.varMobile,
                     settings.varPager};
  inputs.terminal.noColors = settings.noColors;
  inputs.terminal.useAsTTFont = settings.useAsTTFont;
  inputs.terminal.doNotPrompt = settings.doNotPrompt;
  inputs.terminal.fontName = settings.editorFont.name;
  inputs.terminal.fontHeight = editorFontHeight;
  inputs.doNotTile = settings.doNotTile;
  return inputs;
}

}  // namespace skelder
