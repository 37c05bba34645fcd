#pragma once
// The commands of the main window as actions, shared by the main menu, the toolbar and
// the context menu pmTV. Commands whose behaviour is not there yet stay disabled.
#include <QAction>
#include <QActionGroup>
#include <QObject>

namespace skelder {

struct Commands {
  explicit Commands(QObject* owner);

  // File
  QAction* newTable;
  QAction* open;
  QAction* save;
  QAction* saveAs;
  QAction* importConnection;
  QAction* exportConnection;
  QAction* importMacro;
  QAction* exportMacro;
  QAction* backup;
  QAction* restore;
  QAction* info;
  QAction* printerSetup;
  QAction* printPreview;
  QAction* print;
  QAction* close;
  // Edit
  QAction* undo;
  QAction* cut;
  QAction* copy;
  QAction* paste;
  QAction* selectAll;
  QAction* copyNodePath;
  // Search
  QAction* find;
  QAction* findNext;
  QAction* findPrevious;
  QAction* replace;
  // View
  QAction* viewGeneral;
  QAction* viewUserData;
  QAction* viewMacroEditor;
  QAction* viewHighlighter;
  QAction* viewNewConnections;
  QAction* viewMacro;
  QAction* viewPopup;
  QAction* viewColors;
  QAction* viewSchedule;
  QAction* treeHide;
  QAction* treeMaximize;
  QAction* treeRestore;
  QActionGroup* treeLayout;
  // Connection
  QAction* addChild;
  QAction* addSibling;
  QAction* duplicate;
  QAction* deleteSelected;
  QAction* addSeparator;
  QAction* moveUp;
  QAction* moveDown;
  QAction* expandAll;
  QAction* collapseAll;
  QAction* apply;
  QAction* selectFromRoot;
  QAction* importHosts;
  // Actions
  QAction* runToCursor;
  QAction* run;
  QAction* runBranchToCursor;
  QAction* runBranch;
  QAction* runAllSelected;
  QAction* showPopup;
  QAction* checkMacro;
  // Help
  QAction* help;
  QAction* macroHelp;
  QAction* checkUpdates;
  QAction* about;
  // Toolbar only
  QAction* showSpecialChars;
};

}  // namespace skelder
