#pragma once
// The settings loaded from and saved to the settings key, in one record. Each field
// names the control or variable of the main window it belongs to; the gui binds them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/FontSetting.h"
#include "core/editor/HighlighterAttributes.h"

namespace skelder {

struct WindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Colour values are 0x00BBGGRR; 0xFF0000nn stands for system colour nn.
constexpr uint32_t SystemColor(int index) { return 0xFF000000u | static_cast<uint32_t>(index); }
inline constexpr uint32_t kWindowColor = SystemColor(5);
inline constexpr uint32_t kHighlightColor = SystemColor(13);
inline constexpr uint32_t kHighlightTextColor = SystemColor(14);
inline constexpr uint32_t kYellow = 0x0000FFFF;

// The seven double-click actions of the companion's tray icon, in stored order.
const std::vector<std::string>& DoubleClickActions();

struct Settings {
  // "User Data" page
  std::string varName;    // edtName, keyword $name$
  std::string varEmail;   // edtEmail
  std::string varPhone;   // edtPhone
  std::string varMobile;  // edtMobile
  std::string varPager;   // edtPager
  // "Macro Editor" page
  std::string templateFile;  // edtPath2Templates
  // "General" page
  int delayIndex = 3;           // CBDelay entry index; entries "2".."30" seconds
  bool selectLast = true;       // cbSelectlast
  bool autoSave = false;        // cbAutoSave
  bool doNotTile = false;       // cbDoNotTile
  bool doNotPrompt = false;     // cbDoNotPrompt
  int dblClickAction = 0;       // cbDoubleClickAction entry index in the list as shown
  int checkUpdateInterval = 5;  // cbUpdateInterval entry index ("never")
  bool fullPathMRU = false;     // cbFullPathMRU
  FontSetting menuFont;         // Font2: main menu and the companion's popup menu
  // Print preview scale index
  int printPreviewScale = 4;
  // Pre-order index of the focused node (0 when none)
  int selectedNodeIndex = 0;
  // "Colors" page and macro editor colouring
  bool useColorsInEditor = false;  // rbUseColorInEditor (rbSyntax: the opposite)
  bool useSameBackground = true;   // cbSameBkgr
  bool noColors = false;           // cbNoColors
  // The current table file name
  std::string lastSKDFile;
  // Remembered normal-state geometry of the main window, and its state
  WindowGeometry window;
  int treeWidth = 30;  // width of the tree pane VT
  bool winMaximized = false;
  // Completion list width
  int scpWidth = 600;
  // "Macro Editor" page
  bool allowTAB = false;     // cbAllowTAB "Enable TABs"
  bool tab2Space = false;    // cbTAB2Space
  bool smartTabs = false;    // cbSmartTAB
  int spacePerTAB = 4;       // CBSpacePerTAB entry index; tab width = index + 2
  bool useAsTTFont = false;  // cbUseAsTTFont
  FontSetting editorFont;    // Font1: macro editor Memo1
  FontSetting popupFont;     // popup editor Memo2 (takes Font1's name and character set)
  bool showSpecial = false;  // "Show special characters" button
  // "New Connections" page
  int defaultColors = 7;        // cbDefColors entry index
  std::optional<bool> logging;  // rbLog (true) / rbDontLog (false); neither on a first run
  // Highlighter preview Memo3, copied to the macro editor at start
  uint32_t editorBgColor = kWindowColor;
  uint32_t editorActLineColor = kYellow;
  uint32_t editorSelectionForeground = kHighlightTextColor;
  uint32_t editorSelectionBackground = kHighlightColor;
  // The TTL highlighter's attributes, kept in subkeys of their own
  HighlighterAttributes highlighter = DefaultHighlighterAttributes();

  // Seconds between the starts of "Run all selected" (Timer5's interval / 1000).
  int multiStartSeconds() const { return delayIndex + 2; }
  int tabWidth() const { return spacePerTAB + 2; }
};

// What loading and saving need to know about the screen, the window and the program.
struct SettingsEnvironment {
  std::string programFolder;
  int screenWidth = 1024;
  int screenHeight = 768;
  // The work area: the desktop less the task bar (right and bottom exclusive).
  int workLeft = 0, workTop = 0, workRight = 1024, workBottom = 768;
  int minWidth = 654;
  int minHeight = 480;
  // The entries of cbDoubleClickAction as they stand (some may have been removed).
  std::vector<std::string> dblClickEntries = DoubleClickActions();
  // The fonts the editors and the menu were designed with.
  FontSetting designEditorFont{"Courier New", 1, 9, 0};
  FontSetting designMenuFont{"Tahoma", 1, 8, 0};
  // The program got a command-line argument ("SelectedNodeIndex" is then not read).
  bool hasArgument = false;
  std::function<bool(const std::string&)> fileExists;
};

}  // namespace skelder
