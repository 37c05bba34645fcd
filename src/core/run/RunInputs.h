#pragma once
// What the main window holds when a Run command starts: the gui fills one of these for
// each command (a "Run all selected" batch keeps the one it started with).
#include <string>

#include "core/properties/ColorSet.h"
#include "core/run/KeywordSubstitution.h"
#include "core/run/TerminalSettings.h"

namespace skelder {

struct RunInputs {
  bool pendingEdits = false;  // HasPendingEdits
  std::string editorText;     // Memo1's text
  int caretLine = 0;          // Memo1's caret line, counted from 0 ("to cursor" runs)
  bool logSession = false;    // cbLogSession as ticked on the Macro page now
  ColorSet workingColors;     // the colours the Colors page shows
  UserData userData;          // the "User Data" settings page
  TerminalOptions terminal;   // cbNoColors, cbUseAsTTFont, cbDoNotPrompt, the editor font
  bool doNotTile = false;     // cbDoNotTile
  // Asked for "$[1]" .. "$[8]"; when empty, the input box of AskVariable.
  VariableAsker askVariable;
};

}  // namespace skelder
