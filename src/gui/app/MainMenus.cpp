#include "gui/app/MainMenus.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "gui/ui/Commands.h"
#include "gui/ui/FocusAreas.h"

namespace skelder {

namespace {

// A button with a click of its own that takes the action's look, state and hint.
void FollowAction(QToolButton* button, QAction* action) {
  button->setIcon(action->icon());
  auto follow = [button, action] {
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
  };
  follow();
  QObject::connect(action, &QAction::changed, button, follow);
}

}  // namespace

MainMenus::MainMenus(QMainWindow& window, Commands& commands, const FocusAreas& focus)
    : QObject(&window), window_(window), commands_(commands), focus_(focus) {
  buildMenus();
  buildContextMenu();
  buildToolBar();
}

void MainMenus::buildMenus() {
  Commands& c = commands_;
  QMenuBar* bar = window_.menuBar();
  fileMenu_ = bar->addMenu(QStringLiteral("&File"));
  fileMenu_->setObjectName(QStringLiteral("MnFile"));
  fileMenu_->addActions({c.newTable, c.open, c.save, c.saveAs});
  fileMenu_->addSeparator();
  fileMenu_->addActions({c.importConnection, c.exportConnection});
  fileMenu_->addSeparator();
  templateSubmenu_ = fileMenu_->addMenu(QStringLiteral("Import macro Template"));
  templateSubmenu_->setObjectName(QStringLiteral("MnImportTemplate"));
  templateSubmenu_->setEnabled(false);
  fileMenu_->addActions({c.importMacro, c.exportMacro});
  fileMenu_->addSeparator();
  QMenu* config = fileMenu_->addMenu(QStringLiteral("TeraTerm configuration"));
  config->setObjectName(QStringLiteral("MnTTConfig"));
  config->addAction(c.backup);
  config->addSeparator();
  config->addAction(c.restore);
  fileMenu_->addSeparator();
  fileMenu_->addAction(c.info);
  fileMenu_->addSeparator();
  fileMenu_->addActions({c.printerSetup, c.printPreview, c.print});
  fileMenu_->addSeparator();
  fileMenu_->addAction(c.close);
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainMenus::fileMenuAboutToShow);

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("MnEdit"));
  edit->addAction(c.undo);
  edit->addSeparator();
  edit->addActions({c.cut, c.copy, c.paste, c.selectAll});
  edit->addSeparator()->setVisible(false);
  edit->addAction(c.copyNodePath);

  QMenu* search = bar->addMenu(QStringLiteral("&Search"));
  search->setObjectName(QStringLiteral("MnSearch"));
  search->addActions({c.find, c.findNext, c.findPrevious, c.replace});

  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("MnView"));
  QMenu* settings = view->addMenu(QStringLiteral("Settings"));
  settings->setObjectName(QStringLiteral("MnViewSettings"));
  settings->addActions(
      {c.viewGeneral, c.viewUserData, c.viewMacroEditor, c.viewHighlighter, c.viewNewConnections});
  view->addActions({c.viewMacro, c.viewPopup, c.viewColors, c.viewSchedule});
  view->addSeparator();
  QMenu* layout = view->addMenu(QStringLiteral("Connection Tree"));
  layout->setObjectName(QStringLiteral("MnConnectionTree"));
  layout->addActions({c.treeHide, c.treeMaximize, c.treeRestore});

  QMenu* connection = bar->addMenu(QStringLiteral("&Connection"));
  connection->setObjectName(QStringLiteral("MnConnection"));
  connection->addActions({c.addChild, c.addSibling, c.duplicate, c.deleteSelected});
  connection->addSeparator();
  connection->addAction(c.addSeparator);
  connection->addSeparator();
  connection->addActions({c.moveUp, c.moveDown});
  connection->addSeparator();
  connection->addActions({c.expandAll, c.collapseAll});
  connection->addSeparator();
  connection->addAction(c.apply);
  connection->addSeparator();
  connection->addAction(c.selectFromRoot);
  connection->addSeparator();
  connection->addAction(c.importHosts);

  QMenu* actions = bar->addMenu(QStringLiteral("&Actions"));
  actions->setObjectName(QStringLiteral("MnActions"));
  actions->addActions({c.runToCursor, c.run, c.runBranchToCursor, c.runBranch, c.runAllSelected});
  actions->addSeparator();
  actions->addAction(c.showPopup);
  actions->addAction(c.checkMacro);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("MnHelpMenu"));
  help->addActions({c.help, c.macroHelp});
  help->addSeparator();
  help->addAction(c.checkUpdates);
  help->addSeparator();
  help->addAction(c.about);
}

void MainMenus::buildContextMenu() {
  Commands& c = commands_;
  // The context menu pmTV, shared by the tree, the editors and the fields.
  auto* pmTV = new QMenu(&window_);
  pmTV->setObjectName(QStringLiteral("pmTV"));
  pmTV->addActions({c.undo, c.cut, c.copy, c.paste});
  pmTV->addSeparator();
  pmTV->addAction(c.selectAll);
  pmTV->addSeparator()->setVisible(false);
  pmTV->addAction(c.copyNodePath);
  // The tree's items are the menu's own, shown only while the tree has the focus; they
  // give their commands to the main actions.
  auto treeItem = [this, pmTV](QAction* command) {
    auto* item = new QAction(command->text(), pmTV);
    item->setObjectName(command->objectName() + QStringLiteral("Popup"));
    item->setShortcut(command->shortcut());
    item->setShortcutContext(Qt::WidgetShortcut);  // shown only; the main action has the key
    connect(item, &QAction::triggered, command, &QAction::trigger);
    treeItems_.append(qMakePair(item, command));
    return item;
  };
  pmTV->addSeparator();
  for (QAction* command : {c.addChild, c.addSibling, c.duplicate, c.deleteSelected})
    pmTV->addAction(treeItem(command));
  pmTV->addSeparator();
  pmTV->addAction(treeItem(c.addSeparator));
  pmTV->addSeparator();
  for (QAction* command : {c.moveUp, c.moveDown}) pmTV->addAction(treeItem(command));
  pmTV->addSeparator();
  pmTV->addActions({c.run, c.runBranch});
  pmTV->addSeparator();
  pmTV->addAction(c.apply);
  connect(pmTV, &QMenu::aboutToShow, this, [this] {
    emit aboutToShow();
    const bool treeFocused = focus_.current() == FocusArea::Tree;
    for (const auto& [item, command] : treeItems_) {
      item->setVisible(treeFocused);
      item->setEnabled(command->isEnabled());
    }
  });
  for (QMenu* menu : window_.menuBar()->findChildren<QMenu*>())
    connect(menu, &QMenu::aboutToShow, this, &MainMenus::aboutToShow);
  pmTV_ = pmTV;
}

// pmTV instead of the control's own menu, so that its items act as the main menu's do.
void MainMenus::attachContextMenu(QWidget* target) {
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(target, &QWidget::customContextMenuRequested, this,
          [this, target](const QPoint& at) { pmTV_->popup(target->mapToGlobal(at)); });
}

void MainMenus::buildToolBar() {
  Commands& c = commands_;
  CBar = window_.addToolBar(QStringLiteral("Toolbar"));
  CBar->setObjectName(QStringLiteral("CBar"));
  CBar->setMovable(false);
  CBar->setIconSize(QSize(16, 16));
  // Compact buttons, so that the whole bar fits the window's minimum width.
  CBar->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; margin: 0px; }"));
  QStyle* style = QApplication::style();
  c.newTable->setIcon(style->standardIcon(QStyle::SP_FileIcon));
  c.open->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
  c.save->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  c.saveAs->setIcon(style->standardIcon(QStyle::SP_DriveFDIcon));
  c.addChild->setIcon(style->standardIcon(QStyle::SP_FileDialogNewFolder));
  c.addSibling->setIcon(style->standardIcon(QStyle::SP_FileLinkIcon));
  c.deleteSelected->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
  c.moveUp->setIcon(style->standardIcon(QStyle::SP_ArrowUp));
  c.moveDown->setIcon(style->standardIcon(QStyle::SP_ArrowDown));
  c.undo->setIcon(style->standardIcon(QStyle::SP_ArrowBack));
  c.cut->setIcon(style->standardIcon(QStyle::SP_DialogDiscardButton));
  c.copy->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
  c.paste->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
  c.showSpecialChars->setIcon(style->standardIcon(QStyle::SP_FileDialogInfoView));
  c.print->setIcon(style->standardIcon(QStyle::SP_ComputerIcon));
  c.printPreview->setIcon(style->standardIcon(QStyle::SP_FileDialogListView));
  c.runToCursor->setIcon(style->standardIcon(QStyle::SP_MediaSeekForward));
  c.run->setIcon(style->standardIcon(QStyle::SP_MediaPlay));
  c.runBranchToCursor->setIcon(style->standardIcon(QStyle::SP_MediaSkipForward));
  c.runBranch->setIcon(style->standardIcon(QStyle::SP_MediaVolume));

  const QList<QList<QAction*>> groups = {{c.newTable, c.open, c.save, c.saveAs},
                                         {c.addChild, c.addSibling, c.deleteSelected},
                                         {c.moveUp, c.moveDown},
                                         {c.undo, c.cut, c.copy, c.paste},
                                         {c.showSpecialChars},
                                         {c.print, c.printPreview},
                                         {c.runToCursor, c.run, c.runBranchToCursor, c.runBranch}};
  const char* names[] = {"BtnNew",
                         "BtnOpen",
                         "BtnSave",
                         "BtnSaveAs",
                         "BtnAddChild",
                         "BtnAddSibling",
                         "BtnDelete",
                         "BtnMoveUp",
                         "BtnMoveDown",
                         "BtnUndo",
                         "BtnCut",
                         "BtnCopy",
                         "BtnPaste",
                         "BtnShowSpecialChars",
                         "BtnPrint",
                         "BtnPrintPreview",
                         "BtnRunToCursor",
                         "BtnRun",
                         "BtnRunBranchToCursor",
                         "BtnRunBranch"};
  int n = 0;
  for (const auto& group : groups) {
    for (QAction* action : group) {
      auto* button = new QToolButton(CBar);
      if (action == c.print) {
        FollowAction(button, action);
        connect(button, &QToolButton::clicked, this, &MainMenus::printNowClicked);
      } else {
        button->setDefaultAction(action);
      }
      button->setAutoRaise(true);
      button->setObjectName(QLatin1String(names[n++]));
      if (action == c.addChild || action == c.addSibling) attachContextMenu(button);
      CBar->addWidget(button);
    }
    CBar->addSeparator();
  }
  // "Apply" carries its own caption; it follows the command's availability.
  auto* apply = new QToolButton(CBar);
  apply->setObjectName(QStringLiteral("BtnApply"));
  apply->setToolButtonStyle(Qt::ToolButtonTextOnly);
  apply->setText(QStringLiteral("Apply"));
  apply->setToolTip(QStringLiteral("Apply changes (F12)"));
  apply->setEnabled(c.apply->isEnabled());
  connect(apply, &QToolButton::clicked, c.apply, &QAction::trigger);
  connect(c.apply, &QAction::changed, apply,
          [apply, action = c.apply] { apply->setEnabled(action->isEnabled()); });
  CBar->addWidget(apply);
}

void MainMenus::ShowRecentFiles(const QStringList& captions) {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->setObjectName(QString());  // it may be the one being triggered: deleted later
    action->deleteLater();
  }
  recentActions_.clear();
  if (recentSeparator_) {
    fileMenu_->removeAction(recentSeparator_);
    recentSeparator_->deleteLater();
    recentSeparator_ = nullptr;
  }
  if (captions.isEmpty()) return;
  recentSeparator_ = fileMenu_->addSeparator();
  for (int i = 0; i < captions.size(); ++i) {
    QAction* action = fileMenu_->addAction(captions[i]);
    action->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
    connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
    recentActions_.append(action);
  }
}

}  // namespace skelder
