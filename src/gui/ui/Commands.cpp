#include "gui/ui/Commands.h"

namespace skelder {

namespace {

// An action named after its menu item, with its shortcut and its toolbar hint.
QAction* Make(QObject* owner, const char* name, const QString& text,
              const QKeySequence& shortcut = {}, const QString& hint = {}) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(shortcut);
  action->setToolTip(hint.isEmpty() ? QString(text).remove(QLatin1Char('&')) : hint);
  action->setShortcutContext(Qt::WindowShortcut);
  return action;
}

}  // namespace

Commands::Commands(QObject* o) {
  newTable = Make(o, "MnNew", "New", QKeySequence("Ctrl+N"), "New (Ctrl+N)");
  open = Make(o, "MnOpenTable", "Open ...", QKeySequence("Ctrl+O"), "Open (Ctrl+O)");
  save = Make(o, "MnSave", "Save", QKeySequence("Ctrl+S"), "Save (Ctrl+S)");
  saveAs = Make(o, "MnSaveAs", "Save as ...", {}, "Save as ...");
  importConnection = Make(o, "MnImportConnection", "Import connection ...");
  exportConnection = Make(o, "MnExportConnection", "Export connection ...");
  importMacro = Make(o, "MnImportMacro", "Import macro ...");
  exportMacro = Make(o, "MnExportMacro", "Export macro ...");
  backup = Make(o, "MnBackup", "Backup");
  restore = Make(o, "MnRestore", "Restore");
  info = Make(o, "MnInfo", "Info ...");
  printerSetup = Make(o, "MnPrinterSetup", "Printer setup ...");
  printPreview = Make(o, "MnPrintPreview", "Print preview", {}, "Print preview");
  print = Make(o, "MnPrint", "Print ...", QKeySequence("Ctrl+P"), "Print");
  close = Make(o, "MnClose", "Close");

  undo = Make(o, "MnUndo", "Undo", QKeySequence("Ctrl+Z"), "Undo (Ctrl+Z)");
  cut = Make(o, "MnCut", "Cut", QKeySequence("Ctrl+X"), "Cut (Ctrl+X)");
  copy = Make(o, "MnCopy", "Copy", QKeySequence("Ctrl+C"), "Copy (Ctrl+C)");
  paste = Make(o, "MnPaste", "Paste", QKeySequence("Ctrl+V"), "Paste (Ctrl+V)");
  selectAll = Make(o, "MnSelectAll", "Select All", QKeySequence("Ctrl+A"));
  copyNodePath = Make(o, "MnCopyNodePath", "Copy node path");
  copyNodePath->setVisible(false);

  find = Make(o, "MnFind", "Find", QKeySequence("Ctrl+F"));
  findNext = Make(o, "MnFindNext", "Find Next", QKeySequence("F3"));
  findPrevious = Make(o, "MnFindPrevious", "Find Previous", QKeySequence("Shift+F3"));
  replace = Make(o, "MnReplace", "Replace", QKeySequence("Ctrl+R"));

  viewGeneral = Make(o, "MnViewGeneral", "General");
  viewUserData = Make(o, "MnViewUserData", "User data");
  viewMacroEditor = Make(o, "MnViewMacroEditor", "Macro Editor");
  viewHighlighter = Make(o, "MnViewHighlighter", "Highlighter");
  viewNewConnections = Make(o, "MnViewNewConnections", "New Connections");
  viewMacro = Make(o, "MnViewMacro", "Macro");
  viewPopup = Make(o, "MnViewPopup", "Popup");
  viewColors = Make(o, "MnViewColors", "Colors");
  viewSchedule = Make(o, "MnViewSchedule", "Schedule");
  treeHide = Make(o, "MnTreeHide", "Hide");
  treeMaximize = Make(o, "MnTreeMaximize", "Maximize");
  treeRestore = Make(o, "MnTreeRestore", "Restore");
  treeLayout = new QActionGroup(o);
  for (QAction* a : {treeHide, treeMaximize, treeRestore}) {
    a->setCheckable(true);
    treeLayout->addAction(a);
  }
  treeRestore->setChecked(true);

  addChild = Make(o, "MnAddChild", "Add child", QKeySequence("Ctrl+I"), "Add child (Ctrl-I)");
  addSibling = Make(o, "MnAddSibling", "Add sibling", QKeySequence("Ctrl+Alt+I"),
                    "Add sibling (Ctrl-Alt-I)");
  duplicate = Make(o, "MnDuplicate", "Duplicate selected", QKeySequence("Ctrl+Alt+D"));
  deleteSelected = Make(o, "MnDelete", "Delete selected", QKeySequence("Ctrl+Del"),
                        "Delete selected (Ctrl+Delete)");
  addSeparator = Make(o, "MnAddSeparator", "Add separator line", QKeySequence("Ctrl+L"));
  moveUp = Make(o, "MnMoveUp", "Move up", QKeySequence("Ctrl+U"), "Move node up (Ctrl+U)");
  moveDown = Make(o, "MnMoveDown", "Move down", QKeySequence("Ctrl+D"), "Move node down (Ctrl+D)");
  expandAll = Make(o, "MnExpandAll", "Expand all");
  collapseAll = Make(o, "MnCollapseAll", "Collapse all");
  apply = Make(o, "MnApply", "Apply changes", QKeySequence("F12"), "Apply changes (F12)");
  selectFromRoot = Make(o, "MnSelectFromRoot", "Select from root");
  importHosts = Make(o, "MnImportHosts", "Import hosts ...");

  runToCursor = Make(o, "MnRunToCursor", "Run to cursor", QKeySequence("F8"), "Run to cursor (F8)");
  run = Make(o, "MnRun", "Run", QKeySequence("F9"), "Run (F9)");
  runBranchToCursor = Make(o, "MnRunBranchToCursor", "Run branch to cursor",
                           QKeySequence("Ctrl+F8"), "Run branch to cursor (Ctrl-F8)");
  runBranch = Make(o, "MnRunBranch", "Run branch", QKeySequence("Ctrl+F9"), "Run branch (Ctrl-F9)");
  runAllSelected = Make(o, "MnRunAllSelected", "Run all selected", QKeySequence("F11"));
  showPopup = Make(o, "MnShowPopup", "Show popup");
  checkMacro = Make(o, "MnCheckMacro", "Check macro", QKeySequence("Ctrl+Shift+F9"),
                    "Check the macro for mistakes (Ctrl+Shift+F9)");

  help = Make(o, "MnHelp", "Skelder Help", QKeySequence("F1"), "Skelder Help");
  macroHelp = Make(o, "MnMacroHelp", "TeraTerm Macro Help", QKeySequence("Shift+F1"),
                   "TeraTerm Macro Help");
  checkUpdates = Make(o, "MnCheckUpdates", "Check for updates");
  about = Make(o, "MnAbout", "About Skelder");

  showSpecialChars =
      Make(o, "BtnShowSpecialChars", "Show special characters", {}, "Show special characters");
  showSpecialChars->setCheckable(true);

  // Commands whose behaviour comes later stay disabled until then.
  for (QAction* later : {help, macroHelp}) later->setEnabled(false);
}

}  // namespace skelder
