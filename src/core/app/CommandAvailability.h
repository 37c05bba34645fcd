#pragma once
// Which commands of the main window apply, worked out from one picture of the window's
// state. The rules build on each other in the order of CommandStates.
#include <string>

#include "core/tree/ConnectionTree.h"

namespace skelder {

// The focus areas of the main window: the tree, the text fields, none.
enum class FocusKind { None, Tree, MacroEditor, PopupEditor, SingleLineField, NameEditor };

struct WindowState {
  const ConnectionTree* tree = nullptr;
  FocusKind focus = FocusKind::None;
  bool pendingEdits = false;
  bool tableModified = false;
  std::string macroText;   // the macro editor's text
  std::string popupText;   // the popup editor's text
  std::string pageColors;  // the colour string the Colors page holds
  // The focused text control.
  bool canUndo = false;
  bool hasSelection = false;
  bool wholeTextSelected = false;
  bool textEmpty = true;
  bool clipboardHasText = false;
  bool clipboardHasNodes = false;
  // Pages.
  bool highlighterPageShowing = false;  // "Settings" with its "Highlighter" sub-page
  bool macroPageUsable = false;         // "Macro" page showing, its cover hidden
  bool popupPageUsable = false;         // "Popup" page showing, its cover hidden
  bool previewPageUsable = false;       // "Preview" page showing, its cover hidden
  bool macroPageShowing = false;
  bool connectionShown = false;  // one connection fills the pages (no cover)
  bool pageAreaVisible = true;
  bool treePaneHidden = false;
  bool printerReady = false;
  // The Colors page.
  bool backgroundChosen = false;      // "Background" rather than "Text"
  bool samplesAllSameColour = false;  // the four sample panels
};

struct CommandStates {
  bool newTable = false, save = false, saveAs = false;
  bool moveUp = false, moveDown = false, deleteSelected = false;
  bool undo = false, cut = false, copy = false, paste = false, selectAll = false;
  bool showSpecialChars = false;
  bool run = false, print = false, runToCursor = false, runBranch = false;
  bool parentColors = false, runBranchToCursor = false, apply = false;
  bool addChild = false, addSibling = false, sameBackground = false;
  // The menus' own items.
  bool duplicate = false, addSeparator = false, collapseAll = false, expandAll = false;
  bool showPopup = false, runAllSelected = false;
  bool importMacro = false, exportMacro = false, exportConnection = false, search = false;
  std::string printHint;
};

// False with the tree focused and no focused node: then every state stays as it was.
bool ComputeCommandStates(const WindowState& state, CommandStates& states);

}  // namespace skelder
