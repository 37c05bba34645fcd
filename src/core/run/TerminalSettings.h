#pragma once
// The settings file of one run: a copy of Tera Term's "teraterm.ini" with the colours of
// the connection and a few options written into it.
#include <string>

#include "core/base/UserDialogs.h"
#include "core/properties/ColorSet.h"
#include "core/tree/TreeNode.h"

namespace skelder {

// The settings that shape a run's settings file.
struct TerminalOptions {
  bool noColors = false;     // cbNoColors "Disable color support"
  bool useAsTTFont = false;  // cbUseAsTTFont "Use this font in TeraTerm"
  bool doNotPrompt = false;  // cbDoNotPrompt "Do not prompt on disconnect"
  std::string fontName;      // the macro editor's font
  int fontHeight = 0;        // its height; negative for a character height in pixels
};

// Where the colours of a run come from.
struct TerminalColors {
  const TreeNode* node = nullptr;     // the node being run
  const TreeNode* focused = nullptr;  // the tree's focused node, null when none
  bool batch = false;                 // the run belongs to a "Run all selected" batch
  bool pendingEdits = false;          // the pages hold edits not yet applied
  ColorSet workingColors;             // the colours the Colors page shows
};

// Copies the program folder's "teraterm.ini" to the target and writes into the copy the
// colours ("VTColor", "VTBoldColor", "VTBlinkColor", "URLColor") unless colours are
// disabled, "BGEnable" = "off" in "BG", the editor's font in a non-empty "VTFont" when
// asked for, and "ConfirmDisconnect" = "Off" for a batch when asked for. The colours are
// those of the Colors page while edits are pending, else those of the node being run
// (batch) or of the focused node, read over the page's. The working colour set itself
// is left alone. False after the file error box when a file cannot be read or written.
bool WriteTerminalSettings(const std::string& programFolder, const std::string& target,
                           const TerminalColors& colors, const TerminalOptions& options,
                           UserDialogs& dialogs);

// A "VTFont" value (face name, a second field, height, character set...) with the face
// name and the height replaced: "Terminal,0,-12,255" becomes "Courier New,0,-13,255".
std::string TerminalFontValue(const std::string& oldValue, const std::string& fontName,
                              int fontHeight);

// The font height of a size in points on a screen of the given pixels per inch: the
// character height in pixels, negative.
int FontHeightFromPoints(int points, int pixelsPerInch);

// Whether "teraterm.ini" names a Cygwin folder (key "CygwinDirectory") with a "bin"
// folder in it.
bool CygwinAvailable(const std::string& programFolder);

}  // namespace skelder
