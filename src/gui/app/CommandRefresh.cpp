#include "gui/app/CommandRefresh.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "core/app/CommandAvailability.h"
#include "core/properties/ColorSet.h"
#include "core/properties/NodeProperties.h"
#include "gui/app/MainWindow.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/PrintCommands.h"
#include "gui/editor/TextSearch.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PopupPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/run/RunCommands.h"
#include "gui/tree/EditCommands.h"
#include "gui/ui/Commands.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

FocusKind KindOf(FocusArea area) {
  switch (area) {
    case FocusArea::Tree:
      return FocusKind::Tree;
    case FocusArea::MacroEditor:
      return FocusKind::MacroEditor;
    case FocusArea::PopupEditor:
      return FocusKind::PopupEditor;
    case FocusArea::NameEditor:
      return FocusKind::NameEditor;
    case FocusArea::None:
      return FocusKind::None;
    default:
      return FocusKind::SingleLineField;
  }
}

void Set(QAction* action, bool enabled) {
  if (action->isEnabled() != enabled) action->setEnabled(enabled);
}

}  // namespace

WindowState CommandRefresh::Picture() const {
  MainWindow& w = window_;
  const ColorsPage& colors = w.colorsPage();
  WindowState s;
  s.tree = &w.tree();
  s.focus = KindOf(w.focusArea());
  s.pendingEdits = w.HasPendingEdits();
  s.tableModified = w.document().modified();
  s.macroText = ToLocal(w.macroPage().macroText());
  s.popupText = ToLocal(w.popupPage().popupText());
  s.pageColors = FormatColorString(w.propertyPages().workingColors());
  QWidget* focus = QApplication::focusWidget();
  if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
    s.canUndo = editor->isUndoAvailable();
    s.hasSelection = editor->hasSelectedText();
    s.textEmpty = editor->text().isEmpty();
    s.wholeTextSelected = s.hasSelection && editor->selectedText() == editor->text();
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    s.canUndo = field->isUndoAvailable();
    s.hasSelection = field->hasSelectedText();
    s.textEmpty = field->text().isEmpty();
    s.wholeTextSelected = s.hasSelection && field->selectedText() == field->text();
  }
  s.clipboardHasText = !QApplication::clipboard()->text().isEmpty();
  const QMimeData* clipboard = QApplication::clipboard()->mimeData();
  s.clipboardHasNodes = clipboard && clipboard->hasFormat(EditCommands::BranchesMimeType());
  const int page = w.currentPage();
  s.highlighterPageShowing = page == 0 && w.settingsPages().currentIndex() == 3;
  s.macroPageShowing = page == 1;
  s.connectionShown = PagesCoverText(w.tree()).empty();
  s.macroPageUsable = page == 1 && !w.macroPage().isCovered();
  s.popupPageUsable = page == 2 && !w.popupPage().isCovered();
  s.previewPageUsable = page == 5 && !w.previewPage().isCovered();
  s.pageAreaVisible = w.pageAreaVisible();
  s.printerReady = w.printCommands().states().printerReady;
  s.treePaneHidden = w.treePaneHidden();
  s.backgroundChosen = colors.RB4->isChecked();
  s.samplesAllSameColour = colors.oneBackground();
  return s;
}

void CommandRefresh::Refresh() {
  // With the tree focused and no node focused in it everything stays as it is.
  if (window_.focusArea() == FocusArea::Tree && !window_.tree().focusedNode()) return;
  window_.ShowNodeProperties();
  CommandStates states;
  const WindowState picture = Picture();
  if (!ComputeCommandStates(picture, states)) return;
  Commands& c = window_.commands();
  Set(c.newTable, states.newTable);
  Set(c.save, states.save);
  Set(c.saveAs, states.saveAs);
  Set(c.moveUp, states.moveUp);
  Set(c.moveDown, states.moveDown);
  Set(c.deleteSelected, states.deleteSelected);
  Set(c.undo, states.undo);
  Set(c.cut, states.cut);
  Set(c.copy, states.copy);
  Set(c.paste, states.paste);
  Set(c.selectAll, states.selectAll);
  const bool find = states.search && !picture.macroText.empty() &&
                    picture.macroText.find_first_not_of(" \t\r\n") != std::string::npos &&
                    !window_.commands().treeMaximize->isChecked();
  Set(c.find, find);
  Set(c.replace, find);
  const bool again = find && !window_.textSearch().state().searchText.empty();
  Set(c.findNext, again);
  Set(c.findPrevious, again);
  Set(c.showSpecialChars, states.showSpecialChars);
  Set(c.run, states.run);
  Set(c.runToCursor, states.runToCursor);
  Set(c.runBranch, states.runBranch);
  Set(c.runBranchToCursor, states.runBranchToCursor);
  Set(c.apply, states.apply);
  Set(c.addChild, states.addChild);
  Set(c.addSibling, states.addSibling);
  Set(c.duplicate, states.duplicate);
  Set(c.addSeparator, states.addSeparator);
  Set(c.collapseAll, states.collapseAll);
  Set(c.expandAll, states.expandAll);
  Set(c.showPopup, states.showPopup);
  Set(c.checkMacro, picture.macroPageUsable);
  Set(c.importConnection, true);
  Set(c.print, states.print);
  Set(c.printPreview, states.print);
  Set(c.printerSetup, window_.printCommands().states().printerSetup);
  c.print->setToolTip(QString::fromStdString(states.printHint));
  Set(c.importMacro, states.importMacro);
  Set(c.exportMacro, states.exportMacro);
  if (window_.templateSubmenu().isEnabled() != states.importMacro)
    window_.templateSubmenu().setEnabled(states.importMacro);
  Set(c.exportConnection, states.exportConnection);
  Set(c.runAllSelected, states.runAllSelected && !window_.runCommands().runner().batchRunning());
  ColorsPage& colors = window_.colorsPage();
  if (colors.bParentColors->isEnabled() != states.parentColors)
    colors.bParentColors->setEnabled(states.parentColors);
  if (colors.bSameBkgrColor->isEnabled() != states.sameBackground)
    colors.bSameBkgrColor->setEnabled(states.sameBackground);
}

}  // namespace skelder
