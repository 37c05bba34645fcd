#include "gui/app/MainWindow.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/app/SettingsStorage.h"
#include "core/app/Startup.h"
#include "core/base/ProgramFolder.h"
#include "core/editor/PrintHeader.h"
#include "core/integration/ConfigBackup.h"
#include "core/integration/UpdateAddresses.h"
#include "core/integration/UpdateInterval.h"
#include "core/properties/ColorSchemas.h"
#include "core/run/TerminalSettings.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeState.h"
#include "core/tree/TreeUpdateBatch.h"
#include "gui/app/CommandRefresh.h"
#include "gui/app/Commands.h"
#include "gui/app/CompanionMessages.h"
#include "gui/app/DocumentHost.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/MacroFileCommands.h"
#include "gui/editor/PrintCommands.h"
#include "gui/editor/PrintDialogs.h"
#include "gui/editor/QtPrinterCheck.h"
#include "gui/editor/TemplateMenu.h"
#include "gui/editor/TextSearch.h"
#include "gui/integration/IntegrationCommands.h"
#include "gui/integration/QtDownloader.h"
#include "gui/integration/UpdateWindow.h"
#include "gui/properties/ConnectionPages.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/run/RunCommands.h"
#include "gui/tree/ConnectionTreeModel.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/EditCommands.h"
#include "gui/tree/TreeCommands.h"
#include "gui/ui/InsertModeFilter.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/StatusPanels.h"
#include "gui/ui/SystemLocale.h"

namespace skelder {

namespace {

// The context's clock as it is at each reading (tests set it after the window is made).
class ContextClock : public Clock {
 public:
  explicit ContextClock(const ProgramContext& context) : context_(context) {}
  LocalTime now() const override {
    return context_.clock ? context_.clock->now() : SystemClock().now();
  }

 private:
  const ProgramContext& context_;
};

constexpr int kMinimumWidth = 654;
constexpr int kPageAreaMinimumWidth = 370;
constexpr int kPageAreaMinimumHeight = 404;
constexpr int kTreeDesignWidth = 265;
constexpr int kTreeShrinkLimit = 215;

}  // namespace

MainWindow::MainWindow(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      clock_(std::make_unique<ContextClock>(context)),
      documentHost_(new DocumentHost(this)),
      commands_(new Commands(this)),
      insertMode_(new InsertModeFilter(this)),
      Timer1(new QTimer(this)),
      Timer3(new QTimer(this)),
      Timer4(new QTimer(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  const struct {
    QTimer* timer;
    const char* name;
    int interval;
  } timers[] = {{Timer1, "Timer1", 200}, {Timer3, "Timer3", 500}, {Timer4, "Timer4", 500}};
  for (const auto& t : timers) {
    t.timer->setObjectName(QLatin1String(t.name));
    t.timer->setSingleShot(true);
    t.timer->setInterval(t.interval);
  }
  connect(Timer1, &QTimer::timeout, this, &MainWindow::refreshCommands);
  connect(Timer3, &QTimer::timeout, this, &MainWindow::askDelayedImport);
  connect(Timer4, &QTimer::timeout, this, [this] { setWindowState(Qt::WindowMaximized); });

  document_ = std::make_unique<TableDocument>(
      TableDocumentServices{tree_, context_.dialogs, *context_.platform.system,
                            *context_.platform.settings, *clock_, context_.programFolder},
      *documentHost_);
  model_ = new ConnectionTreeModel(tree_, *context_.platform.system, this);
  buildLayout();
  buildMenus();
  buildToolBar();
  connectDocument();
  connectMacroFiles();
  connectUpdateCheck();
  connectPrinting();
  connectCommands();
  createInOrder();
}

MainWindow::~MainWindow() {
  Shutdown();
  // The application's signals must not reach a window that is half destroyed.
  disconnect(qApp, nullptr, this, nullptr);
  qApp->removeEventFilter(this);
  // The widgets and the tree's observers go while the tree still exists; an open name
  // editor closes without renaming anything.
  model_->blockSignals(true);
  delete splitter_;
  delete properties_;
  delete model_;
}

// --- Layout -------------------------------------------------------------------------

void MainWindow::buildLayout() {
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName(QStringLiteral("Splitter1"));
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);
  VT = new ConnectionTreeView(*model_, splitter_);
  PG = new QTabWidget(splitter_);
  PG->setObjectName(QStringLiteral("PG"));
  PG->setMinimumSize(kPageAreaMinimumWidth, kPageAreaMinimumHeight);
  settingsPages_ = new SettingsPages(PG);
  PG->addTab(settingsPages_, QStringLiteral("Settings"));
  pages_ = std::make_unique<ConnectionPages>(PG);
  Memo1 = pages_->Memo1;
  Memo2 = pages_->Memo2;
  PG->addTab(pages_->macroPage, QStringLiteral("Macro"));
  PG->addTab(pages_->popupPage, QStringLiteral("Popup"));
  PG->addTab(pages_->colorsPage, QStringLiteral("Colors"));
  PG->addTab(pages_->schedulePage, QStringLiteral("Schedule"));
  properties_ = new PropertyPages(*this, *pages_);
  macroEditor_ = new MacroEditor(*this);
  splitter_->addWidget(VT);
  splitter_->addWidget(PG);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({kTreeDesignWidth, 600});
  setCentralWidget(splitter_);

  statusBar_ = new StatusPanels(this);
  setStatusBar(statusBar_);

  // The shared insert mode of the single-line fields.
  for (QLineEdit* field :
       {settingsPages_->edtName, settingsPages_->edtEmail, settingsPages_->edtPhone,
        settingsPages_->edtMobile, settingsPages_->edtPager, settingsPages_->edtPath2Templates})
    field->installEventFilter(insertMode_);
  for (QLineEdit* field : pages_->scheduleFields) field->installEventFilter(insertMode_);
  for (QsciScintilla* editor : {Memo1, Memo2}) editor->installEventFilter(insertMode_);
  insertMode_->toggled = [this] { ShowInsertMode(false); };

  connect(PG, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
  connect(settingsPages_, &QTabWidget::currentChanged, this, [this](int page) {
    if (page == 0) settingsPages_->cbDoubleClickAction->setFocus();
    RequestCommandRefresh();
  });
  connect(settingsPages_, &SettingsPages::fullPathMRUChanged, this, [this](bool full) {
    settings_.fullPathMRU = full;
    redrawRecentFiles();
  });
  connect(Memo1, &QsciScintilla::cursorPositionChanged, this,
          [this] { ShowCaretPosition(true, 1); });
  connect(Memo2, &QsciScintilla::cursorPositionChanged, this,
          [this] { ShowCaretPosition(true, 2); });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != Memo1 && now != Memo2) ShowCaretPosition(false, 0);
    ShowInsertMode(false);
    RequestCommandRefresh();
  });
  VT->focusChangeAllowed = [this](TreeNode* node) { return properties_->FocusChangeAllowed(node); };
  connect(VT, &ConnectionTreeView::focusedNodeChanged, this, [this](TreeNode* node) {
    if (tree_.loading()) return;
    tree_.setCurrentNode(node);
    ShowNodeProperties();
    RequestCommandRefresh();
  });
  connect(VT, &ConnectionTreeView::editorCreated, this, [this](QWidget* editor) {
    if (const TreeNode* node = tree_.focusedNode(); node && node->hasCutMark())
      editCommands_->CancelCutOrCopy();
    editor->installEventFilter(insertMode_);
    ShowInsertMode(false);
  });
  treeCommands_ = new TreeCommands(*this, *VT);
  runCommands_ = new RunCommands(*this);
  commandRefresh_ = std::make_unique<CommandRefresh>(*this);
  companion_ = new CompanionMessages(*this);
  editCommands_ = new EditCommands(*this);
  textSearch_ = new TextSearch(*this, *Memo1);
  connect(VT, &ConnectionTreeView::dragStarted, this,
          [this] { editCommands_->setCutSource(tree_.focusedNode()); });
  connect(VT, &ConnectionTreeView::nodesDropped, this, &MainWindow::dropNodes);
  qApp->installEventFilter(this);
}

void MainWindow::buildMenus() {
  Commands& c = *commands_;
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
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
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::updateInfoCaption);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("MnEdit"));
  edit->addAction(c.undo);
  edit->addSeparator();
  edit->addActions({c.cut, c.copy, c.paste, c.selectAll});
  edit->addSeparator()->setVisible(false);
  edit->addAction(c.copyNodePath);

  QMenu* search = menuBar()->addMenu(QStringLiteral("&Search"));
  search->setObjectName(QStringLiteral("MnSearch"));
  search->addActions({c.find, c.findNext, c.findPrevious, c.replace});

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
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

  QMenu* connection = menuBar()->addMenu(QStringLiteral("&Connection"));
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

  QMenu* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
  actions->setObjectName(QStringLiteral("MnActions"));
  actions->addActions({c.runToCursor, c.run, c.runBranchToCursor, c.runBranch, c.runAllSelected});
  actions->addSeparator();
  actions->addAction(c.showPopup);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("MnHelpMenu"));
  help->addActions({c.help, c.macroHelp});
  help->addSeparator();
  help->addAction(c.checkUpdates);
  help->addSeparator();
  help->addAction(c.about);

  // The context menu pmTV, shared by the tree, the editors and the fields.
  auto* pmTV = new QMenu(this);
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
    refreshCommands();
    const bool treeFocused = focusArea() == FocusArea::Tree;
    for (const auto& [item, command] : treeItems_) {
      item->setVisible(treeFocused);
      item->setEnabled(command->isEnabled());
    }
  });
  for (QMenu* menu : menuBar()->findChildren<QMenu*>())
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
  pmTV_ = pmTV;
  for (QWidget* target : std::initializer_list<QWidget*>{
           VT, Memo1, Memo2, settingsPages_->edtName, settingsPages_->edtEmail,
           settingsPages_->edtPhone, settingsPages_->edtMobile, settingsPages_->edtPager,
           settingsPages_->edtPath2Templates})
    attachContextMenu(target);
  for (QLineEdit* field : pages_->scheduleFields) attachContextMenu(field);
}

// A button with its own click that takes the action's look, state and hint.
void MainWindow::followAction(QToolButton* button, QAction* action,
                              const std::function<void()>& click) {
  button->setIcon(action->icon());
  auto follow = [button, action] {
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
  };
  follow();
  connect(action, &QAction::changed, button, follow);
  connect(button, &QToolButton::clicked, this, click);
}

// pmTV instead of the control's own menu, so that its items act as the main menu's do.
void MainWindow::attachContextMenu(QWidget* target) {
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(target, &QWidget::customContextMenuRequested, this,
          [this, target](const QPoint& at) { pmTV_->popup(target->mapToGlobal(at)); });
}

void MainWindow::buildToolBar() {
  Commands& c = *commands_;
  CBar = addToolBar(QStringLiteral("Toolbar"));
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
      if (action == c.print)
        followAction(button, action, [this] { printing_->PrintNow(); });
      else
        button->setDefaultAction(action);
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

void MainWindow::connectDocument() {
  DocumentHost& host = *documentHost_;
  // The splash's hook is there only while the splash is.
  host.loadProgress = [this](int position, int total) {
    if (context_.loadProgress) context_.loadProgress(position, total);
  };
  host.settle = [this] {
    const TreeNode* current = tree_.currentNode();
    return !(HasPendingEdits() && current && current->data.Level > 0 &&
             !properties_->resolvePendingEdits(current->data.Name));
  };
  connect(&host, &DocumentHost::changed, this,
          [this] { setWindowTitle(CaptionText(document_->displayName(), document_->modified())); });
  connect(&host, &DocumentHost::loaded, this, [this] { SetPendingEdits(false); });
  connect(&host, &DocumentHost::cleared, this, [this] {
    Memo1->clear();
    Memo2->clear();
    pages_->cbLogSession->setChecked(settingsPages_->rbLog->isChecked());
    if (PG->currentIndex() == 3)
      properties_->colorsPage().ChooseSchema(settingsPages_->cbDefColors->currentIndex());
    PG->setCurrentIndex(0);
    SetPendingEdits(false);
    commands_->newTable->setEnabled(false);
  });
  connect(&host, &DocumentHost::opened, this, [this] {
    SetPendingEdits(false);
    ShowNodeProperties();
  });
  connect(&host, &DocumentHost::settingsSaveRequested, this, &MainWindow::saveSettingsAndNotify);
  connect(&host, &DocumentHost::closingCancelled, this, [this] {
    StartupServices services =
        MakeStartupServices(context_.platform, context_.dialogs, context_.programFolder, "");
    StartCompanionIfNeeded(services);
  });
  connect(&host, &DocumentHost::recentListChanged, this, &MainWindow::redrawRecentFiles);
}

void MainWindow::connectMacroFiles() {
  templates_ = new TemplateMenu(*templateSubmenu_, *Memo1,
                                {*settingsPages_->edtPath2Templates, *settingsPages_->btnBrowse,
                                 *settingsPages_->btnReloadTemplates},
                                context_.dialogs, this);
  macroFiles_ = new MacroFileCommands(*Memo1, context_.dialogs, this);
  macroFiles_->settlePendingEdits = [this] {
    const TreeNode* focused = tree_.focusedNode();
    if (!HasPendingEdits() || !focused || Memo1->text().trimmed().isEmpty()) return true;
    return properties_->resolvePendingEdits(focused->data.Name);
  };
  macroFiles_->exportTo = [this](const std::string& path) {
    const TreeNode* focused = tree_.focusedNode();
    return focused && runCommands_->runner().RunMacro(true, true, path, *focused, tree_,
                                                      runCommands_->Inputs());
  };
  auto edited = [this] {
    SetPendingEdits(true);
    RequestCommandRefresh();
  };
  connect(templates_, &TemplateMenu::editorChanged, this, edited);
  connect(macroFiles_, &MacroFileCommands::editorChanged, this, edited);
  connect(commands_->importMacro, &QAction::triggered, macroFiles_,
          &MacroFileCommands::ImportMacro);
  connect(commands_->exportMacro, &QAction::triggered, macroFiles_,
          &MacroFileCommands::ExportMacro);
}

void MainWindow::connectUpdateCheck() {
  Platform& platform = context_.platform;
  auto* downloader = new QtDownloader({}, this);
  updateWindow_ = new UpdateWindow(
      UpdateWindowServices{*downloader, *platform.settings, latestVersions_, *platform.system,
                           context_.programFolder, UpdateAddressesFromEnvironment(),
                           UpgradeServices{context_.dialogs, *platform.processes, *platform.starter,
                                           *platform.broadcaster, [this] { return QueryClose(); },
                                           [this] { BackupTeraTermConfig(); }}},
      this);
  downloader->setParent(updateWindow_);  // goes after the check that uses it
  connect(commands_->checkUpdates, &QAction::triggered, this, &MainWindow::CheckForUpdates);
  // Only the user's choice sets the next due day, not the program's loading of the list.
  connect(settingsPages_->cbUpdateInterval, &QComboBox::activated, this,
          [this](int entry) { StoreNextCheck(*context_.platform.settings, clock(), entry); });
}

void MainWindow::connectPrinting() {
  printerCheck_ = std::make_unique<QtPrinterCheck>();
  printDialogs_ = std::make_unique<PrintDialogs>();
  printing_ = new PrintCommands(
      PrintSource{Memo1, [this] { return document_->fileName(); },
                  [this] {
                    const TreeNode* node = tree_.currentNode();
                    return node ? NodePath(*node) : std::string();
                  },
                  [this] { return settingsPages_->rbUseColorInEditor->isChecked(); }},
      *printerCheck_, *printDialogs_, context_.dialogs, *clock_, this);
  printing_->CheckPrinters(true);
  connect(printing_, &PrintCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(printing_, &PrintCommands::previewZoomChanged, this,
          [this](int index) { settings_.printPreviewScale = index; });
  connect(commands_->print, &QAction::triggered, printing_, &PrintCommands::Print);
  connect(commands_->printPreview, &QAction::triggered, printing_, &PrintCommands::Preview);
  connect(commands_->printerSetup, &QAction::triggered, printing_, &PrintCommands::PrinterSetup);
}

void MainWindow::connectCommands() {
  Commands& c = *commands_;
  TableDocument& document = *document_;
  auto documentCommand = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, [this, command] {
      command();
      RequestCommandRefresh();
    });
  };
  documentCommand(c.newTable, [&document] { document.New(); });
  documentCommand(c.open, [&document] { document.Open(); });
  connect(c.save, &QAction::triggered, this, &MainWindow::Save);
  connect(c.saveAs, &QAction::triggered, this, [this, &document] {
    document.SaveAs();
    RequestCommandRefresh();
  });
  documentCommand(c.importConnection, [&document] { document.ImportWithDialog(); });
  documentCommand(c.exportConnection, [&document] { document.Export(); });
  connect(c.close, &QAction::triggered, this, &QWidget::close);
  connect(c.undo, &QAction::triggered, this, &MainWindow::Undo);
  connect(c.showPopup, &QAction::triggered, this, &MainWindow::ShowPopup);
  connect(c.apply, &QAction::triggered, this, &MainWindow::Apply);
  connect(c.find, &QAction::triggered, this, [this] { textSearch_->ShowDialog(false); });
  connect(c.replace, &QAction::triggered, this, [this] { textSearch_->ShowDialog(true); });
  connect(c.findNext, &QAction::triggered, this, [this] { textSearch_->Search(false, false); });
  connect(c.findPrevious, &QAction::triggered, this, [this] { textSearch_->Search(false, true); });
  connect(c.backup, &QAction::triggered, this, &MainWindow::BackupTeraTermConfig);
  connect(c.restore, &QAction::triggered, this, &MainWindow::RestoreTeraTermConfig);
  const std::pair<QAction*, std::pair<int, int>> pages[] = {
      {c.viewGeneral, {0, 0}},     {c.viewUserData, {0, 1}},       {c.viewMacroEditor, {0, 2}},
      {c.viewHighlighter, {0, 3}}, {c.viewNewConnections, {0, 4}}, {c.viewMacro, {1, -1}},
      {c.viewPopup, {2, -1}},      {c.viewColors, {3, -1}},        {c.viewSchedule, {4, -1}}};
  for (const auto& [action, page] : pages)
    connect(action, &QAction::triggered, this,
            [this, page = page] { ShowPage(page.first, page.second); });
  connect(c.treeHide, &QAction::triggered, this, &MainWindow::HideTree);
  connect(c.treeMaximize, &QAction::triggered, this, &MainWindow::MaximizeTree);
  connect(c.treeRestore, &QAction::triggered, this, &MainWindow::RestoreTree);
}

// --- Creation --------------------------------------------------------------------------

void MainWindow::createInOrder() {
  setMinimumWidth(kMinimumWidth);
  setMinimumHeight(kPageAreaMinimumHeight + 3 * CBar->sizeHint().height());
  commands_->restore->setEnabled(LoadConfigBackup(*context_.platform.settings));
  // Trim the double-click actions: Cygwin needs cygterm.exe, the lock entry an NT system.
  const bool cygwin = FileExists(ProgramFilePath(context_.programFolder, "cygterm.exe")) &&
                      CygwinAvailable(context_.programFolder);
  settingsPages_->TrimDoubleClickActions(
      cygwin, IsNTPlatform(*context_.platform.settings, *context_.platform.system));
  settingsPages_->cbAssociateExt->setText(QStringLiteral("Associate extention SKD with Skelder"));
  integration_ = new IntegrationCommands(*this);
  ResetTree(tree_);

  tree_.setLoading(true);
  settings_ = LoadSettings(*context_.platform.settings, settingsEnvironment());
  settingsPages_->ShowSettings(settings_);
  macroEditor_->ShowSettings(settings_);
  printing_->setPreviewZoom(settings_.printPreviewScale);
  runCommands_->Timer5()->setInterval(settings_.multiStartSeconds() * 1000);
  setGeometry(settings_.window.left, settings_.window.top, settings_.window.width,
              settings_.window.height);
  windowStateTracker_ = settings_.winMaximized ? 1 : 0;
  if (settings_.winMaximized && !isMaximized()) Timer4->start();
  commands_->showSpecialChars->setChecked(settings_.showSpecial);
  tree_.setLoading(false);

  document_->LoadRecentFiles();
  document_->OpenStartTable(settings_.lastSKDFile);

  tree_.setLoading(true);
  document_->setModified(false);
  PG->setCurrentIndex(tree_.computerNode() && tree_.computerNode()->childCount() > 0 ? 1 : 0);
  tree_.setLoading(false);
  selectStartNode();

  SetPendingEdits(false);
  ShowLockKeys();
  RequestCommandRefresh();
  if (document_->importPending()) Timer3->start();
  ShowInsertMode(false);
  settingsPages_->setCurrentIndex(0);
  macroEditor_->Prepare();
  // The templates come with the completion list: without it the editor's extras are off.
  if (FileExists(ProgramFilePath(context_.programFolder, "SynComp.pro")))
    templates_->BuildTemplates();
  ShowNodeProperties();
}

SettingsEnvironment MainWindow::settingsEnvironment() const {
  SettingsEnvironment env;
  env.programFolder = context_.programFolder;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect all = screen->geometry();
    const QRect work = screen->availableGeometry();
    env.screenWidth = all.width();
    env.screenHeight = all.height();
    env.workLeft = work.left();
    env.workTop = work.top();
    env.workRight = work.left() + work.width();
    env.workBottom = work.top() + work.height();
  }
  env.minWidth = minimumWidth();
  env.minHeight = minimumHeight();
  env.dblClickEntries = settingsPages_->doubleClickEntries();
  env.hasArgument = !context_.arguments.empty();
  env.fileExists = FileExists;
  return env;
}

void MainWindow::selectStartNode() {
  if (settings_.selectedNodeIndex != 0) {
    if (TreeNode* node = tree_.nodeAt(settings_.selectedNodeIndex)) {
      for (TreeNode* up = node->parent(); up; up = up->parent()) tree_.setExpanded(up, true);
      tree_.clearSelection();
      tree_.setSelected(node, true);
      tree_.setFocusedNode(node);
      tree_.setCurrentNode(node);
    }
  }
  settings_.selectedNodeIndex = 0;
}

void MainWindow::askDelayedImport() {
  Timer3->stop();
  document_->OfferHandedOverFile();
  RequestCommandRefresh();
}

void MainWindow::CheckForUpdates() { updateWindow_->checkForUpdates(); }

// --- Document state ---------------------------------------------------------------------

QString MainWindow::CaptionText(const std::string& displayName, bool modified) {
  return QStringLiteral("Skelder Configuration - [%1%2]")
      .arg(FromLocal(displayName), modified ? QStringLiteral("*") : QString());
}

void MainWindow::UpdateCaption(bool modified) { document_->setModified(modified); }

void MainWindow::SetPendingEdits(bool on) {
  statusBar_->setText(3, on && !tree_.loading() ? QStringLiteral("Modified") : QString());
}

bool MainWindow::HasPendingEdits() const {
  return statusBar_->text(3) == QLatin1String("Modified");
}

FocusArea MainWindow::focusArea() const {
  const QWidget* focus = QApplication::focusWidget();
  if (!focus) return FocusArea::None;
  if (focus == VT) return FocusArea::Tree;
  if (focus == Memo1) return FocusArea::MacroEditor;
  if (focus == Memo2) return FocusArea::PopupEditor;
  const SettingsPages& p = *settingsPages_;
  if (focus == p.edtName) return FocusArea::UserName;
  if (focus == p.edtEmail) return FocusArea::Email;
  if (focus == p.edtPhone) return FocusArea::Phone;
  for (size_t i = 0; i < pages_->scheduleFields.size(); ++i)
    if (focus == pages_->scheduleFields[i])
      return static_cast<FocusArea>(static_cast<int>(FocusArea::Minute) + static_cast<int>(i));
  if (focus == p.edtMobile) return FocusArea::Mobile;
  if (focus == p.edtPager) return FocusArea::Pager;
  if (focus == p.edtPath2Templates) return FocusArea::TemplateFile;
  if (focus->parent() == VT->viewport() || focus->parentWidget() == VT)
    return FocusArea::NameEditor;
  return FocusArea::None;
}

void MainWindow::RequestCommandRefresh() {
  if (tree_.loading()) return;
  const FocusArea area = focusArea();
  if (area == FocusArea::Tree || area == FocusArea::TemplateFile)
    Timer1->start();
  else
    refreshCommands();
}

void MainWindow::refreshCommands() {
  Timer1->stop();
  commandRefresh_->Refresh();
}

bool MainWindow::pageAreaVisible() const { return PG->isVisible(); }
bool MainWindow::treePaneHidden() const { return VT->isHidden(); }

// Nodes dragged within the tree arrive at the target: moved, or copied with Ctrl held.
void MainWindow::dropNodes(TreeNode* target, int position, bool copy) {
  TreeNode* source = editCommands_->cutSource();
  const bool sourceExpanded = source && source->isExpanded();
  const DropPosition at = static_cast<DropPosition>(position);
  {
    TreeUpdateBatch batch(tree_);
    if (sourceExpanded) tree_.setExpanded(source, false);
    std::vector<TreeNode*> arrived;
    if (copy)
      arrived = InsertBranches(tree_, EncodeBranches(tree_), target, DropMode(target, at));
    else
      arrived = tree_.moveNodes(tree_.selectedNodes(), target, DropMode(target, at));
    NodesArrived(tree_, arrived);
    if (sourceExpanded) tree_.expandAll(source);
  }
  UpdateCaption(true);
  RequestCommandRefresh();
}

BackupServices MainWindow::backupServices() {
  static const LocaleNames names = SystemLocaleNames();
  return BackupServices{*context_.platform.settings, context_.dialogs, clock(), names,
                        context_.programFolder};
}

void MainWindow::BackupTeraTermConfig() {
  BackupServices services = backupServices();
  if (skelder::BackupTeraTermConfig(services)) commands_->restore->setEnabled(true);
}

void MainWindow::RestoreTeraTermConfig() {
  BackupServices services = backupServices();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents();
  skelder::RestoreTeraTermConfig(services);
  QApplication::restoreOverrideCursor();
}

void MainWindow::Save() {
  document_->Save();
  commands_->save->setEnabled(document_->modified());
  VT->setFocus();
  RequestCommandRefresh();
}

void MainWindow::redrawRecentFiles() {
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
  const RecentFiles& recent = document_->recentFiles();
  if (recent.entries().empty()) return;
  recentSeparator_ = fileMenu_->addSeparator();
  for (int i = 0; i < static_cast<int>(recent.entries().size()); ++i) {
    QAction* action = fileMenu_->addAction(FromLocal(recent.Caption(i, settings_.fullPathMRU)));
    action->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
    connect(action, &QAction::triggered, this, [this, i] {
      document_->OpenRecent(i);
      RequestCommandRefresh();
    });
    recentActions_.append(action);
  }
}

void MainWindow::updateInfoCaption() {
  commands_->info->setText(
      QStringLiteral("Information for %1 ...").arg(FromLocal(document_->shortName())));
}

bool MainWindow::QueryClose() {
  const bool allowed = document_->QueryClose(settingsPages_->cbAutoSave->isChecked());
  if (allowed) tree_.setLoading(true);
  return allowed;
}

void MainWindow::Undo() {
  const FocusArea area = focusArea();
  if (area == FocusArea::MacroEditor || area == FocusArea::PopupEditor) {
    (area == FocusArea::MacroEditor ? Memo1 : Memo2)->undo();
    SetPendingEdits(true);
  } else if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    field->undo();
    if (area == FocusArea::NameEditor) UpdateCaption(true);
  }
  RequestCommandRefresh();
}

void MainWindow::ShowPopup() {
  context_.dialogs.messageBox(MessageKind::Information, MessageButtons::OkCancel,
                              ToLocal(Memo2->text()) + "\rPress Ok to continue.");
}

void MainWindow::ShowCaretPosition(bool show, int editor) {
  QString text;
  if (show) {
    int line = 0, column = 0;
    (editor == 1 ? Memo1 : Memo2)->getCursorPosition(&line, &column);
    text = QStringLiteral("Ln. %1, Col. %2").arg(line + 1).arg(column + 1);
  }
  statusBar_->setText(2, text);
}

bool MainWindow::insertMode() const { return insertMode_->insertMode(); }

void MainWindow::ShowInsertMode(bool force) {
  if (force || TypesText(focusArea()))
    statusBar_->setText(4,
                        insertMode_->insertMode() ? QStringLiteral("INS") : QStringLiteral("OVR"));
  else
    statusBar_->setText(4, QString());
}

void MainWindow::ShowLockKeys() {
  const auto keys = context_.platform.system->lockKeys();
  statusBar_->setText(5, keys && keys->num ? QStringLiteral("NUM") : QString());
  statusBar_->setText(6, keys && keys->caps ? QStringLiteral("CAPS") : QString());
  statusBar_->setText(7, keys && keys->scroll ? QStringLiteral("SCROLL") : QString());
}

void MainWindow::ApplyNodeProperties() { properties_->ApplyNodeProperties(tree_.focusedNode()); }
void MainWindow::ShowNodeProperties() { properties_->ShowNodeProperties(); }

void MainWindow::Apply() {
  commands_->apply->setEnabled(false);
  ApplyNodeProperties();
}

// --- Pages and the tree layout -------------------------------------------------------------

void MainWindow::ShowPage(int page, int settingsPage) {
  if (commands_->treeMaximize->isChecked()) RestoreTree();
  if (settingsPage >= 0) settingsPages_->setCurrentIndex(settingsPage);
  PG->setCurrentIndex(page);
  RequestCommandRefresh();
}

void MainWindow::pageChanged(int page) {
  properties_->UpdateActivePanel(page);
  focusFirstControl();
  RequestCommandRefresh();
}

void MainWindow::focusFirstControl() {
  switch (PG->currentIndex()) {
    case 0: {
      QWidget* first[] = {settingsPages_->cbDoubleClickAction, settingsPages_->edtName,
                          settingsPages_->cbNoColors, settingsPages_->Elements,
                          settingsPages_->rbLog};
      first[std::clamp(settingsPages_->currentIndex(), 0, 4)]->setFocus();
      break;
    }
    case 1:
      (pages_->macroPage->isCovered() ? static_cast<QWidget*>(VT) : Memo1)->setFocus();
      break;
    case 2:
      (pages_->popupPage->isCovered() ? static_cast<QWidget*>(VT) : Memo2)->setFocus();
      break;
    case 3:
      (pages_->colorsPage->isCovered() ? static_cast<QWidget*>(VT) : pages_->cbSchema)->setFocus();
      break;
    case 4:
      (pages_->schedulePage->isCovered() ? static_cast<QWidget*>(VT) : pages_->cbSchedule)
          ->setFocus();
      break;
    default:
      VT->setFocus();
  }
}

int MainWindow::treeWidth() const { return VT->isVisible() ? splitter_->sizes().value(0) : 0; }

void MainWindow::HideTree() {
  if (!commands_->treeMaximize->isChecked() && VT->isVisible())
    rememberedTreeWidth_ = splitter_->sizes().value(0);
  commands_->treeHide->setChecked(true);
  PG->show();
  VT->hide();
  PG->setFocus();
  RequestCommandRefresh();
}

void MainWindow::MaximizeTree() {
  if (VT->isVisible() && PG->isVisible()) rememberedTreeWidth_ = splitter_->sizes().value(0);
  commands_->treeMaximize->setChecked(true);
  PG->hide();
  VT->show();
  VT->setFocus();
  RequestCommandRefresh();
}

void MainWindow::RestoreTree() {
  commands_->treeRestore->setChecked(true);
  if (!VT->isVisible() || !PG->isVisible()) {
    VT->show();
    PG->show();
    const int total = splitter_->width() - splitter_->handleWidth();
    splitter_->setSizes({rememberedTreeWidth_, std::max(0, total - rememberedTreeWidth_)});
  }
  VT->setFocus();
  RequestCommandRefresh();
}

// A narrower window takes its width from the page area first, then from the tree, which
// keeps at least 215 pixels.
void MainWindow::keepTreeWidth() {
  if (tree_.loading() || !VT->isVisible() || !PG->isVisible()) return;
  const QList<int> sizes = splitter_->sizes();
  const int total = splitter_->width() - splitter_->handleWidth();
  if (total - sizes.value(0) < PG->minimumWidth()) {
    const int tree = std::max(total - PG->minimumWidth(), kTreeShrinkLimit);
    splitter_->setSizes({tree, std::max(0, total - tree)});
  }
}

// --- Window events ----------------------------------------------------------------------

void MainWindow::changeEvent(QEvent* event) {
  // Printers may have come or gone while the window was in the background.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && printing_ &&
      printing_->RecheckOnActivation())
    RequestCommandRefresh();
  if (event->type() == QEvent::WindowStateChange && !tree_.loading()) {
    windowStateTracker_ = isMinimized() ? 2 : isMaximized() ? 1 : 0;
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!tree_.loading() && windowStateTracker_ == 0 && !isMaximized() && !isMinimized()) {
    settings_.window.left = geometry().left();
    settings_.window.top = geometry().top();
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!tree_.loading() && windowStateTracker_ == 0 && !isMaximized() && !isMinimized()) {
    const QRect frame = geometry();
    settings_.window = {frame.left(), frame.top(), frame.width(), frame.height()};
  }
  keepTreeWidth();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease && isActiveWindow()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
      ShowLockKeys();
    RequestCommandRefresh();
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- Closing ----------------------------------------------------------------------------------

void MainWindow::saveSettingsAndNotify() {
  settingsPages_->ReadSettings(settings_);
  macroEditor_->ReadSettings(settings_);
  settings_.winMaximized = isMaximized();
  settings_.lastSKDFile = document_->fileName();
  settings_.treeWidth = splitter_->sizes().value(0);
  settings_.selectedNodeIndex = std::max(0, tree_.preorderIndex(tree_.focusedNode()));
  settings_.showSpecial = commands_->showSpecialChars->isChecked();
  SettingsEnvironment env = settingsEnvironment();
  SaveSettingsAndNotify(*context_.platform.settings, *context_.platform.broadcaster, settings_,
                        env);
}

void MainWindow::Shutdown() {
  if (closed_) return;
  closed_ = true;
  CleanTemporaryFiles(context_.programFolder, context_.dialogs);
  saveSettingsAndNotify();
  document_->SaveRecentFiles();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closed_ || QueryClose()) {
    hide();
    Shutdown();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace skelder

namespace skelder {

const Clock& MainWindow::clock() const { return *clock_; }

int MainWindow::currentPage() const { return PG->currentIndex(); }

}  // namespace skelder
