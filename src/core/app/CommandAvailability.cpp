#include "core/app/CommandAvailability.h"

#include "core/properties/NodeProperties.h"
#include "core/run/MacroAssembly.h"
#include "core/tree/NodeKinds.h"

namespace skelder {

namespace {

bool IsTextField(FocusKind focus) { return focus != FocusKind::None && focus != FocusKind::Tree; }

}  // namespace

bool ComputeCommandStates(const WindowState& w, CommandStates& s) {
  const ConnectionTree& tree = *w.tree;
  const TreeNode* focused = tree.focusedNode();
  const bool treeFocused = w.focus == FocusKind::Tree;
  if (treeFocused && !focused) return false;
  const TreeNode* computer = tree.computerNode();
  const int selected = tree.selectedCount();
  const bool computerSelected = computer && computer->isSelected();

  s.newTable = computer && computer->childCount() > 0;
  s.save = w.tableModified;
  s.saveAs = s.newTable;
  s.moveUp = treeFocused && selected == 1 && focused->previousSibling();
  s.moveDown = treeFocused && selected == 1 && focused->nextSibling();
  s.deleteSelected = treeFocused && selected >= 1 && !computerSelected;
  s.paste = IsTextField(w.focus) && w.clipboardHasText;
  s.showSpecialChars = w.highlighterPageShowing;
  switch (w.focus) {
    case FocusKind::Tree:
      s.undo = false;
      s.copy = focused && !computerSelected && selected > 0;
      s.paste = selected > 0 && w.clipboardHasNodes;
      break;
    case FocusKind::MacroEditor:
      s.showSpecialChars = true;
      [[fallthrough]];
    case FocusKind::PopupEditor:
    case FocusKind::SingleLineField:
    case FocusKind::NameEditor:
      s.undo = w.canUndo;
      s.copy = w.hasSelection;
      break;
    case FocusKind::None:
      s.undo = s.copy = false;
      break;
  }
  s.cut = s.copy;
  s.run = !TrimText(w.macroText).empty() && selected == 1 && !computerSelected && focused &&
          !IsSeparator(focused->data);
  s.print = s.run && w.pageAreaVisible && w.printerReady;
  s.runToCursor = s.run && w.focus == FocusKind::MacroEditor;
  s.runBranch = s.run && BranchRunOffered(*focused);
  s.parentColors = s.run && focused->data.Level >= 2 && focused->parent() &&
                   w.pageColors != focused->parent()->data.Colors;
  s.runBranchToCursor = s.runBranch && s.runToCursor;
  s.apply = w.pendingEdits && focused;
  s.addChild = treeFocused && focused && selected == 1 && CanHaveChildren(focused);
  s.addSibling = treeFocused && focused && selected == 1 && focused != computer;
  s.sameBackground = w.backgroundChosen && !w.samplesAllSameColour;
  s.printHint = w.printerReady ? "Print" : "No default printer.";

  s.duplicate = focused && focused != computer && selected == 1 && !w.treePaneHidden;
  s.addSeparator = treeFocused;
  s.collapseAll = !s.apply && !w.treePaneHidden;
  s.expandAll = !w.treePaneHidden;
  s.showPopup = w.popupPageUsable && !TrimText(w.popupText).empty();
  s.runAllSelected = !computerSelected && !w.pendingEdits && selected > 1;
  for (const TreeNode* node : s.runAllSelected ? tree.selectedNodes() : std::vector<TreeNode*>{})
    s.runAllSelected = s.runAllSelected && !IsSeparator(node->data) && !node->data.Macro.empty();
  s.importMacro = w.macroPageUsable;
  s.exportMacro = (w.macroPageUsable || w.previewPageUsable) && !TrimText(w.macroText).empty();
  s.exportConnection = selected > 1 || (selected == 1 && w.connectionShown);
  s.search = w.macroPageShowing;
  switch (w.focus) {
    case FocusKind::Tree:
      s.selectAll = selected < tree.nodeCount();
      break;
    case FocusKind::NameEditor:
      s.selectAll = !w.wholeTextSelected;
      break;
    case FocusKind::None:
      s.selectAll = false;
      break;
    default:
      s.selectAll = !w.textEmpty && !w.wholeTextSelected;
  }
  return true;
}

}  // namespace skelder
