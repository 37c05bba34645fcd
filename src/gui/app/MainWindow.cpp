#include "gui/app/MainWindow.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <utility>

#include "core/app/SettingsStorage.h"
#include "core/app/Startup.h"
#include "core/base/ProgramFolder.h"
#include "core/editor/PrintHeader.h"
#include "core/integration/UpdateAddresses.h"
#include "core/integration/UpdateInterval.h"
#include "core/run/TerminalSettings.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TreeState.h"
#include "gui/app/CommandRefresh.h"
#include "gui/app/CompanionMessages.h"
#include "gui/app/DocumentHost.h"
#include "gui/app/MainMenus.h"
#include "gui/app/WindowLayout.h"
#include "gui/editor/EditorColoring.h"
#include "gui/editor/EditorOptions.h"
#include "gui/editor/HelpViewer.h"
#include "gui/editor/HighlighterPage.h"
#include "gui/editor/MacroCheckMarks.h"
#include "gui/editor/MacroCheckWindow.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/MacroFileCommands.h"
#include "gui/editor/PrintCommands.h"
#include "gui/editor/PrintDialogs.h"
#include "gui/editor/QtPrinterCheck.h"
#include "gui/editor/TemplateMenu.h"
#include "gui/editor/TextSearch.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/integration/IntegrationCommands.h"
#include "gui/integration/QtDownloader.h"
#include "gui/integration/UpdateWindow.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/PopupPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SchedulePage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/run/RunCommands.h"
#include "gui/tree/ConnectionTreeModel.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/EditCommands.h"
#include "gui/tree/HostImportCommand.h"
#include "gui/tree/TreeCommands.h"
#include "gui/ui/Commands.h"
#include "gui/ui/InsertModeFilter.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/StatusPanels.h"

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

}  // namespace

MainWindow::MainWindow(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      clock_(std::make_unique<ContextClock>(context)),
      services_{context.platform, context.dialogs, *clock_, context.programFolder},
      documentHost_(new DocumentHost(this)),
      commands_(new Commands(this)),
      pendingEdits_(new PendingEdits(tree_, this)),
      insertMode_(new InsertModeFilter(this)),
      Timer1(new QTimer(this)),
      Timer3(new QTimer(this)),
      Timer4(new QTimer(this)),
      refreshSoon_(new QTimer(this)) {
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
  refreshSoon_->setSingleShot(true);
  refreshSoon_->setInterval(0);
  connect(Timer1, &QTimer::timeout, this, &MainWindow::RefreshCommandsNow);
  connect(refreshSoon_, &QTimer::timeout, this, &MainWindow::RefreshCommandsNow);
  connect(Timer3, &QTimer::timeout, this, &MainWindow::askDelayedImport);
  connect(Timer4, &QTimer::timeout, this, [this] { setWindowState(Qt::WindowMaximized); });

  document_ = std::make_unique<TableDocument>(
      TableDocumentServices{tree_, context_.dialogs, *context_.platform.system,
                            *context_.platform.settings, *clock_, context_.programFolder},
      *documentHost_);
  model_ = new ConnectionTreeModel(tree_, *context_.platform.system, this);
  createParts();
  registerFocusAreas();
  connectStatus();
  connectTree();
  connectDocument();
  connectPreview();
  connectMacroFiles();
  connectUpdateCheck();
  connectPrinting();
  createInOrder();
  companion_->StartReceiving();
}

MainWindow::~MainWindow() {
  Shutdown();
  // The application's signals must not reach a window that is half destroyed.
  disconnect(qApp, nullptr, this, nullptr);
  qApp->removeEventFilter(this);
  // The widgets and the tree's observers go while the tree still exists; an open name
  // editor closes without renaming anything.
  model_->blockSignals(true);
  delete takeCentralWidget();
  delete properties_;
  delete model_;
}

// --- Composition ----------------------------------------------------------------------

void MainWindow::createParts() {
  layout_ = new WindowLayout(*this, *model_, tree_);
  SettingsPages& settings = layout_->settingsPages();
  QTabWidget* pageArea = &layout_->pageArea();
  statusBar_ = new StatusPanels(this);
  setStatusBar(statusBar_);
  TtlHighlighter& ttm = *new TtlHighlighter(this);
  macroPage_ = new MacroPage(ttm, services_, pageArea);
  popupPage_ = new PopupPage(pageArea);
  macroEditor_ = macroPage_->Memo1;
  highlighterPage_ = new HighlighterPage(ttm, *macroEditor_, context_.dialogs);
  settings.setHighlighterPage(highlighterPage_);
  coloring_ = new EditorColoring(macroEditor_, settings.macroEditor(), *highlighterPage_->Memo3,
                                 tree_, context_.programFolder);
  connect(highlighterPage_, &HighlighterPage::macroEditorColorsChanged, coloring_,
          &EditorColoring::SetEditorColors);
  colorsPage_ =
      new ColorsPage(settings, *coloring_, tree_, *pendingEdits_, context_.programFolder, pageArea);
  schedulePage_ = new SchedulePage(*pendingEdits_, context_.dialogs, pageArea);
  previewPage_ = new PreviewPage(
      ttm, tree_, [this] { return runCommands_->Preview(); }, pageArea);
  layout_->addConnectionPages({macroPage_, popupPage_, colorsPage_, schedulePage_, previewPage_});
  properties_ = new PropertyPages(
      {tree_, *document_, *macroPage_, *popupPage_, *colorsPage_, *schedulePage_, *previewPage_,
       settings, *pendingEdits_, *statusBar_, layout_->pageArea(), services_},
      this);
  menus_ = new MainMenus(*this, *commands_, focusAreas_);
  editorOptions_ =
      new EditorOptions({*macroEditor_, *popupPage_->Memo2, *highlighterPage_->Memo3, *menuBar(),
                         settings.macroEditor(), *settings.general().Button4},
                        ttm, services_, this);
  coloring_->setHighlighter(&macroEditor_->lexer());
  ConnectionTreeView& view = layout_->treeView();
  treeCommands_ =
      new TreeCommands({tree_, *document_, view, *properties_, *pendingEdits_, settings, services_,
                        *commands_->deleteSelected, *commands_->moveUp, *commands_->moveDown},
                       this);
  runCommands_ = new RunCommands({tree_, settings_, settings, *macroEditor_, ttm.keywords(),
                                  *macroPage_, *properties_, *pendingEdits_, services_},
                                 this);
  commandRefresh_ = std::make_unique<CommandRefresh>(*this);
  companion_ = new CompanionMessages(*this, std::exchange(context_.earlyListener, nullptr));
  editCommands_ = new EditCommands({tree_, *document_, *properties_, *schedulePage_, *pendingEdits_,
                                    focusAreas_, *commands_->cut},
                                   this);
  hostImport_ = new HostImportCommand({tree_, *document_, *properties_, settings, services_}, this);
  checkMarks_ = new MacroCheckMarks(*macroEditor_, ttm.keywords(), this);
  checkWindow_ = new MacroCheckWindow(*checkMarks_, *macroEditor_, this);
  textSearch_ = new TextSearch(*this, *macroEditor_, *statusBar_, *pendingEdits_, context_.dialogs);
}

void MainWindow::registerFocusAreas() {
  const SettingsPages& s = settingsPages();
  ConnectionTreeView* view = &layout_->treeView();
  FocusAreas& areas = focusAreas_;
  areas.add(view, FocusArea::Tree);
  areas.addEditorsOf(view, FocusArea::NameEditor);
  QsciScintilla* editors[] = {macroEditor_, popupPage_->Memo2};
  areas.add(editors[0], FocusArea::MacroEditor);
  areas.add(editors[1], FocusArea::PopupEditor);
  const std::pair<QLineEdit*, FocusArea> fields[] = {
      {s.userData().edtName, FocusArea::UserName},
      {s.userData().edtEmail, FocusArea::Email},
      {s.userData().edtPhone, FocusArea::Phone},
      {s.userData().edtMobile, FocusArea::Mobile},
      {s.userData().edtPager, FocusArea::Pager},
      {s.macroEditor().edtPath2Templates, FocusArea::TemplateFile}};
  for (const auto& [field, area] : fields) {
    areas.add(field, area);
    field->installEventFilter(insertMode_);
    menus_->attachContextMenu(field);
  }
  for (size_t i = 0; i < schedulePage_->scheduleFields.size(); ++i) {
    QLineEdit* field = schedulePage_->scheduleFields[i];
    areas.add(field,
              static_cast<FocusArea>(static_cast<int>(FocusArea::Minute) + static_cast<int>(i)));
    field->installEventFilter(insertMode_);
    menus_->attachContextMenu(field);
  }
  for (QsciScintilla* editor : editors) {
    editor->installEventFilter(insertMode_);
    menus_->attachContextMenu(editor);
  }
  menus_->attachContextMenu(view);
}

void MainWindow::connectStatus() {
  insertMode_->toggled = [this] { ShowInsertMode(false); };
  connect(pendingEdits_, &PendingEdits::changed, statusBar_, &StatusPanels::showPendingEdits);
  connect(pendingEdits_, &PendingEdits::changed, this, &MainWindow::RequestCommandRefresh);
  connect(macroEditor_, &QsciScintilla::cursorPositionChanged, this,
          [this] { ShowCaretPosition(true, 1); });
  connect(popupPage_->Memo2, &QsciScintilla::cursorPositionChanged, this,
          [this] { ShowCaretPosition(true, 2); });
  // The session's end asks nobody: the table's changes go to the recovery copy.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { EndFromOutside(); });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    const FocusArea area = focusAreas_.of(now);
    if (area != FocusArea::MacroEditor && area != FocusArea::PopupEditor)
      ShowCaretPosition(false, 0);
    ShowInsertMode(false);
    RequestCommandRefresh();
  });
  qApp->installEventFilter(this);
}

void MainWindow::connectTree() {
  ConnectionTreeView& view = layout_->treeView();
  view.focusChangeAllowed = [this](TreeNode* node) {
    return properties_->FocusChangeAllowed(node);
  };
  connect(&view, &ConnectionTreeView::focusedNodeChanged, this, [this](TreeNode* node) {
    if (tree_.loading()) return;
    tree_.setCurrentNode(node);
    ShowNodeProperties();
    RequestCommandRefresh();
  });
  connect(&view, &ConnectionTreeView::editorCreated, this, [this](QWidget* editor) {
    if (const TreeNode* node = tree_.focusedNode(); node && node->hasCutMark())
      editCommands_->CancelCutOrCopy();
    editor->installEventFilter(insertMode_);
    ShowInsertMode(false);
  });
  connect(&view, &ConnectionTreeView::dragStarted, this,
          [this] { editCommands_->setCutSource(tree_.focusedNode()); });
  connect(&view, &ConnectionTreeView::nodesDropped, editCommands_, &EditCommands::DropNodes);
  connect(treeCommands_, &TreeCommands::addFinished, this, [this] { ShowInsertMode(false); });
}

void MainWindow::connectDocument() {
  DocumentHost& host = *documentHost_;
  // The splash's hook is there only while the splash is.
  host.loadProgress = [this](int position, int total) {
    if (context_.loadProgress) context_.loadProgress(position, total);
  };
  host.settle = [this] {
    const TreeNode* current = tree_.currentNode();
    return !current || current->data.Level == 0 || properties_->SettlePendingEdits();
  };
  connect(&host, &DocumentHost::changed, this,
          [this] { setWindowTitle(CaptionText(document_->displayName(), document_->modified())); });
  connect(&host, &DocumentHost::loaded, this, [this] { SetPendingEdits(false); });
  connect(&host, &DocumentHost::cleared, this, [this] {
    macroEditor_->clear();
    popupPage_->Memo2->clear();
    macroPage_->cbLogSession->setChecked(settingsPages().logNewConnections());
    if (currentPage() == 3) colorsPage_->ChooseSchema(settingsPages().defaultSchema());
    layout_->pageArea().setCurrentIndex(0);
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
  connect(&host, &DocumentHost::recentListChanged, this, &MainWindow::showRecentFiles);
}

void MainWindow::connectPreview() {
  PreviewPage* preview = previewPage_;
  connect(macroEditor_, &QsciScintilla::textChanged, preview, &PreviewPage::ScheduleUpdate);
  connect(macroPage_->cbLogSession, &QCheckBox::toggled, preview, &PreviewPage::ScheduleUpdate);
  connect(pendingEdits_, &PendingEdits::changed, preview, &PreviewPage::ScheduleUpdate);
}

void MainWindow::connectMacroFiles() {
  QsciScintilla& macro = *macroEditor_;
  SettingsPages& settings = settingsPages();
  templates_ = new TemplateMenu(
      menus_->templateSubmenu(), macro,
      {*settings.macroEditor().edtPath2Templates, *settings.macroEditor().btnBrowse,
       *settings.macroEditor().btnReloadTemplates},
      context_.dialogs, this);
  macroFiles_ = new MacroFileCommands(macro, context_.dialogs, this);
  macroFiles_->settlePendingEdits = [this, &macro] {
    const TreeNode* focused = tree_.focusedNode();
    if (!HasPendingEdits() || !focused || macro.text().trimmed().isEmpty()) return true;
    return properties_->resolvePendingEdits(focused->data.Name);
  };
  // From the Preview page exactly the text it shows; otherwise as "Run branch" assembles it.
  macroFiles_->exportTo = [this](const std::string& path) {
    if (layout_->pageArea().currentWidget() == previewPage_)
      return previewPage_->ExportTo(path, context_.dialogs);
    const TreeNode* focused = tree_.focusedNode();
    return focused && runCommands_->runner().RunMacro(true, true, path, *focused, tree_,
                                                      runCommands_->Inputs());
  };
  auto edited = [this] { SetPendingEdits(true); };
  connect(templates_, &TemplateMenu::editorChanged, this, edited);
  connect(macroFiles_, &MacroFileCommands::editorChanged, this, edited);
}

void MainWindow::connectUpdateCheck() {
  Platform& platform = context_.platform;
  auto* downloader = new QtDownloader({}, this);
  updateWindow_ = new UpdateWindow(
      UpdateWindowServices{*downloader, *platform.settings, latestVersions_, *platform.system,
                           context_.programFolder, UpdateAddressesFromEnvironment(),
                           UpgradeServices{context_.dialogs, *platform.processes, *platform.starter,
                                           *platform.broadcaster, [this] { return QueryClose(); },
                                           [this] { integration_->BackupTeraTermConfig(); }}},
      this);
  downloader->setParent(updateWindow_);  // goes after the check that uses it
  // Only the user's choice sets the next due day, not the program's loading of the list.
  connect(settingsPages().general().cbUpdateInterval, &QComboBox::activated, this,
          [this](int entry) { StoreNextCheck(*context_.platform.settings, clock(), entry); });
}

void MainWindow::connectPrinting() {
  printerCheck_ = std::make_unique<QtPrinterCheck>();
  printDialogs_ = std::make_unique<PrintDialogs>();
  printing_ = new PrintCommands(PrintSource{macroEditor_, [this] { return document_->fileName(); },
                                            [this] {
                                              const TreeNode* node = tree_.currentNode();
                                              return node ? NodePath(*node) : std::string();
                                            },
                                            [this] { return settingsPages().colorsInEditor(); }},
                                *printerCheck_, *printDialogs_, context_.dialogs, *clock_, this);
  printing_->CheckPrinters(true);
  connect(printing_, &PrintCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(printing_, &PrintCommands::previewZoomChanged, this,
          [this](int index) { settings_.printPreviewScale = index; });
  connect(menus_, &MainMenus::printNowClicked, printing_, &PrintCommands::PrintNow);
}

void MainWindow::connectCommands() {
  Commands& c = *commands_;
  TableDocument& document = *document_;
  auto on = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, command);
  };
  // File
  on(c.newTable, [&document] { document.New(); });
  on(c.open, [&document] { document.Open(); });
  on(c.save, [this] { Save(); });
  on(c.saveAs, [&document] { document.SaveAs(); });
  on(c.importConnection, [&document] { document.ImportWithDialog(); });
  on(c.exportConnection, [&document] { document.Export(); });
  connect(c.importMacro, &QAction::triggered, macroFiles_, &MacroFileCommands::ImportMacro);
  connect(c.exportMacro, &QAction::triggered, macroFiles_, &MacroFileCommands::ExportMacro);
  connect(c.backup, &QAction::triggered, integration_, &IntegrationCommands::BackupTeraTermConfig);
  connect(c.restore, &QAction::triggered, integration_,
          &IntegrationCommands::RestoreTeraTermConfig);
  connect(integration_, &IntegrationCommands::backupMade, c.restore,
          [restore = c.restore] { restore->setEnabled(true); });
  connect(c.info, &QAction::triggered, integration_, &IntegrationCommands::ShowInformation);
  connect(c.print, &QAction::triggered, printing_, &PrintCommands::Print);
  connect(c.printPreview, &QAction::triggered, printing_, &PrintCommands::Preview);
  connect(c.printerSetup, &QAction::triggered, printing_, &PrintCommands::PrinterSetup);
  connect(c.close, &QAction::triggered, this, &QWidget::close);
  // Edit
  connect(c.undo, &QAction::triggered, editCommands_, &EditCommands::UndoCommand);
  connect(c.cut, &QAction::triggered, editCommands_, &EditCommands::CutCommand);
  connect(c.copy, &QAction::triggered, editCommands_, &EditCommands::CopyCommand);
  connect(c.paste, &QAction::triggered, editCommands_, &EditCommands::PasteCommand);
  connect(c.selectAll, &QAction::triggered, editCommands_, &EditCommands::SelectAllCommand);
  // Search
  on(c.find, [this] { textSearch_->ShowDialog(false); });
  on(c.replace, [this] { textSearch_->ShowDialog(true); });
  on(c.findNext, [this] { textSearch_->Search(false, false); });
  on(c.findPrevious, [this] { textSearch_->Search(false, true); });
  // View
  const std::pair<QAction*, std::pair<int, int>> pages[] = {
      {c.viewGeneral, {0, 0}},     {c.viewUserData, {0, 1}},       {c.viewMacroEditor, {0, 2}},
      {c.viewHighlighter, {0, 3}}, {c.viewNewConnections, {0, 4}}, {c.viewMacro, {1, -1}},
      {c.viewPopup, {2, -1}},      {c.viewColors, {3, -1}},        {c.viewSchedule, {4, -1}}};
  for (const auto& [action, page] : pages)
    on(action, [this, page = page] { ShowPage(page.first, page.second); });
  on(c.treeHide, [this] { HideTree(); });
  on(c.treeMaximize, [this] { MaximizeTree(); });
  on(c.treeRestore, [this] { RestoreTree(); });
  EditorOptions& options = *editorOptions_;
  connect(c.showSpecialChars, &QAction::toggled, &options, &EditorOptions::ShowSpecialChars);
  connect(c.showSpecialChars, &QAction::triggered, &options, &EditorOptions::StoreShowSpecialChars);
  // Connection
  TreeCommands& tree = *treeCommands_;
  on(c.addChild, [&tree] { tree.AddNode(AddKind::Child); });
  on(c.addSibling, [&tree] { tree.AddNode(AddKind::Sibling); });
  on(c.duplicate, [&tree] { tree.AddNode(AddKind::Duplicate); });
  on(c.addSeparator, [&tree] { tree.AddNode(AddKind::Separator); });
  connect(c.deleteSelected, &QAction::triggered, &tree, &TreeCommands::DeleteSelected);
  connect(c.moveUp, &QAction::triggered, &tree, &TreeCommands::MoveUp);
  connect(c.moveDown, &QAction::triggered, &tree, &TreeCommands::MoveDown);
  connect(c.selectFromRoot, &QAction::triggered, &tree, &TreeCommands::SelectFromRoot);
  connect(c.expandAll, &QAction::triggered, &tree, &TreeCommands::ExpandAll);
  connect(c.collapseAll, &QAction::triggered, &tree, &TreeCommands::CollapseAll);
  on(c.apply, [this] { Apply(); });
  connect(c.importHosts, &QAction::triggered, hostImport_, &HostImportCommand::ImportHosts);
  // Actions
  const std::pair<QAction*, RunCommand> runs[] = {
      {c.runToCursor, RunCommand::RunToCursor},
      {c.run, RunCommand::Run},
      {c.runBranchToCursor, RunCommand::RunBranchToCursor},
      {c.runBranch, RunCommand::RunBranch}};
  for (const auto& [action, command] : runs)
    on(action, [this, command = command] { runCommands_->Run(command); });
  connect(c.runAllSelected, &QAction::triggered, runCommands_, &RunCommands::RunAllSelected);
  on(c.showPopup, [this] { ShowPopup(); });
  connect(c.checkMacro, &QAction::triggered, checkWindow_, &MacroCheckWindow::ShowFindings);
  // Help
  HelpViewer& help = macroEditor_->help();
  c.help->setEnabled(true);
  c.macroHelp->setEnabled(true);
  connect(c.help, &QAction::triggered, &help, &HelpViewer::ShowProductHelp);
  connect(c.macroHelp, &QAction::triggered, &help, &HelpViewer::ShowMacroHelp);
  on(c.checkUpdates, [this] { CheckForUpdates(); });
  connect(c.about, &QAction::triggered, integration_, &IntegrationCommands::ShowAbout);
  // Menus
  connect(menus_, &MainMenus::aboutToShow, this, &MainWindow::RefreshCommandsNow);
  connect(menus_, &MainMenus::fileMenuAboutToShow, this, [this] {
    commands_->info->setText(
        QStringLiteral("Information for %1 ...").arg(FromLocal(document_->shortName())));
  });
  connect(menus_, &MainMenus::recentFileChosen, this,
          [this](int index) { document_->OpenRecent(index); });
  connect(layout_, &WindowLayout::treeLayoutChanged, this, [this](TreeLayout layout) {
    QAction* checked = layout == TreeLayout::Hidden      ? commands_->treeHide
                       : layout == TreeLayout::Maximized ? commands_->treeMaximize
                                                         : commands_->treeRestore;
    checked->setChecked(true);
  });
}

// Every command and every report of a part may change what the commands allow. The
// command actions are the window's own children.
void MainWindow::connectStateChanges() {
  for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    connect(action, &QAction::triggered, this, &MainWindow::RequestCommandRefresh);
  connect(properties_, &PropertyPages::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(colorsPage_, &ColorsPage::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(schedulePage_, &SchedulePage::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(treeCommands_, &TreeCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(editCommands_, &EditCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(runCommands_, &RunCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(hostImport_, &HostImportCommand::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(printing_, &PrintCommands::statesChanged, this, &MainWindow::RequestCommandRefresh);
  connect(documentHost_, &DocumentHost::changed, this, &MainWindow::RequestCommandRefresh);
  connect(menus_, &MainMenus::recentFileChosen, this, &MainWindow::RequestCommandRefresh);
  QTabWidget& pageArea = layout_->pageArea();
  connect(&pageArea, &QTabWidget::currentChanged, this, [this](int page) {
    properties_->UpdateActivePanel(page);
    layout_->FocusFirstControl();
    RequestCommandRefresh();
  });
  SettingsPages& settings = settingsPages();
  connect(&settings, &QTabWidget::currentChanged, this, [this](int page) {
    if (page == 0) settingsPages().general().cbDoubleClickAction->setFocus();
    RequestCommandRefresh();
  });
  connect(&settings.general(), &GeneralPage::fullPathMRUChanged, this, [this](bool full) {
    settings_.fullPathMRU = full;
    showRecentFiles();
  });
}

// --- Creation --------------------------------------------------------------------------

void MainWindow::createInOrder() {
  setMinimumWidth(kMinimumWidth);
  setMinimumHeight(layout_->pageArea().minimumHeight() + 3 * menus_->toolBar().sizeHint().height());
  // Trim the double-click actions: Cygwin needs cygterm.exe, the lock entry an NT system.
  const bool cygwin = FileExists(ProgramFilePath(context_.programFolder, "cygterm.exe")) &&
                      CygwinAvailable(context_.programFolder);
  settingsPages().general().TrimDoubleClickActions(
      cygwin, IsNTPlatform(*context_.platform.settings, *context_.platform.system));
  settingsPages().general().cbAssociateExt->setText(
      QStringLiteral("Associate extention SKD with Skelder"));
  integration_ =
      new IntegrationCommands(tree_, *document_, settingsPages().general(), services_, this);
  connectCommands();
  connectStateChanges();
  commands_->restore->setEnabled(integration_->backupPresent());
  ResetTree(tree_);

  tree_.setLoading(true);
  settings_ = LoadSettings(*context_.platform.settings, settingsEnvironment());
  settingsPages().ShowSettings(settings_);
  macroEditor_->ShowSettings(settings_);
  highlighterPage_->ShowColors(settings_);
  editorOptions_->ShowSettings(settings_);
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
  layout_->pageArea().setCurrentIndex(
      tree_.computerNode() && tree_.computerNode()->childCount() > 0 ? 1 : 0);
  tree_.setLoading(false);
  SelectNodeAt(tree_, settings_.selectedNodeIndex);
  settings_.selectedNodeIndex = 0;
  document_->OfferRecovery(context_.platform.system->settingsFolder());

  SetPendingEdits(false);
  ShowLockKeys();
  RefreshCommandsNow();
  if (document_->importPending()) Timer3->start();
  ShowInsertMode(false);
  settingsPages().setCurrentIndex(0);
  highlighterPage_->Prepare();
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
  env.dblClickEntries = settingsPages().general().doubleClickEntries();
  env.hasArgument = !context_.arguments.empty();
  env.fileExists = FileExists;
  return env;
}

void MainWindow::askDelayedImport() {
  Timer3->stop();
  document_->OfferHandedOverFile();
  RequestCommandRefresh();
}

void MainWindow::showRecentFiles() {
  QStringList captions;
  const RecentFiles& recent = document_->recentFiles();
  for (int i = 0; i < static_cast<int>(recent.entries().size()); ++i)
    captions.append(FromLocal(recent.Caption(i, settings_.fullPathMRU)));
  menus_->ShowRecentFiles(captions);
}

// --- State the parts report ----------------------------------------------------------

QString MainWindow::CaptionText(const std::string& displayName, bool modified) {
  return QStringLiteral("Skelder Configuration - [%1%2]")
      .arg(FromLocal(displayName), modified ? QStringLiteral("*") : QString());
}

void MainWindow::UpdateCaption(bool modified) { document_->setModified(modified); }
void MainWindow::SetPendingEdits(bool on) { pendingEdits_->set(on); }
bool MainWindow::HasPendingEdits() const { return pendingEdits_->any(); }

void MainWindow::RequestCommandRefresh() {
  if (tree_.loading()) return;
  const FocusArea area = focusArea();
  if (area == FocusArea::Tree || area == FocusArea::TemplateFile)
    Timer1->start();
  else
    refreshSoon_->start();
}

void MainWindow::RefreshCommandsNow() {
  Timer1->stop();
  refreshSoon_->stop();
  commandRefresh_->Refresh();
}

void MainWindow::ShowCaretPosition(bool show, int editor) {
  statusBar_->showCaretPosition(!show         ? nullptr
                                : editor == 1 ? static_cast<QsciScintilla*>(macroEditor_)
                                              : popupPage_->Memo2);
}

bool MainWindow::insertMode() const { return insertMode_->insertMode(); }

void MainWindow::ShowInsertMode(bool force) {
  statusBar_->showInsertMode(force || TypesText(focusArea()), insertMode_->insertMode());
}

void MainWindow::ShowLockKeys() {
  const auto keys = context_.platform.system->lockKeys();
  statusBar_->showLockKeys(keys && keys->num, keys && keys->caps, keys && keys->scroll);
}

void MainWindow::ShowNodeProperties() { properties_->ShowNodeProperties(); }

// --- Commands ---------------------------------------------------------------------------

void MainWindow::Save() {
  document_->Save();
  commands_->save->setEnabled(document_->modified());
  layout_->treeView().setFocus();
}

bool MainWindow::QueryClose() {
  const bool allowed = document_->QueryClose(settingsPages().autoSave());
  if (allowed) tree_.setLoading(true);
  return allowed;
}

void MainWindow::ShowPopup() {
  context_.dialogs.messageBox(MessageKind::Information, MessageButtons::OkCancel,
                              ToLocal(popupPage_->popupText()) + "\rPress Ok to continue.");
}

void MainWindow::CheckForUpdates() { updateWindow_->checkForUpdates(); }

void MainWindow::Apply() {
  commands_->apply->setEnabled(false);
  properties_->ApplyNodeProperties(tree_.focusedNode());
}

void MainWindow::ShowPage(int page, int settingsPage) {
  layout_->ShowPage(page, settingsPage);
  RequestCommandRefresh();
}

void MainWindow::HideTree() {
  layout_->HideTree();
  RequestCommandRefresh();
}

void MainWindow::MaximizeTree() {
  layout_->MaximizeTree();
  RequestCommandRefresh();
}

void MainWindow::RestoreTree() {
  layout_->RestoreTree();
  RequestCommandRefresh();
}

// --- The parts ---------------------------------------------------------------------------

SettingsPages& MainWindow::settingsPages() { return layout_->settingsPages(); }
const SettingsPages& MainWindow::settingsPages() const { return layout_->settingsPages(); }
QMenu& MainWindow::templateSubmenu() { return menus_->templateSubmenu(); }
int MainWindow::treeWidth() const { return layout_->treeWidth(); }
int MainWindow::currentPage() const { return layout_->pageArea().currentIndex(); }
bool MainWindow::pageAreaVisible() const { return layout_->pageAreaVisible(); }
bool MainWindow::treePaneHidden() const { return layout_->treePaneHidden(); }

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
  layout_->KeepTreeWidth();
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
  settingsPages().ReadSettings(settings_);
  macroEditor_->ReadSettings(settings_);
  highlighterPage_->ReadColors(settings_);
  editorOptions_->ReadSettings(settings_);
  settings_.winMaximized = isMaximized();
  settings_.lastSKDFile = document_->fileName();
  settings_.treeWidth = layout_->splitterTreeWidth();
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

void MainWindow::EndFromOutside() {
  if (closed_) return;
  if (HasPendingEdits()) properties_->ApplyNodeProperties(tree_.focusedNode());
  document_->WriteRecoveryCopy(context_.platform.system->settingsFolder());
  Shutdown();
  close();  // while shown, so that the program ends with its last window
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
