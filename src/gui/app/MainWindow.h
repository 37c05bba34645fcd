#pragma once
// The program's one document window and the composition root of its parts: it creates
// the tree and the document, the layout (the tree VT, the pages PG), the menus and the
// toolbar CBar, the status bar SBar and the parts behind the commands; it gives each
// part the narrow references it needs and connects their signals. Command states are
// recomputed when a part reports a change, once per turn of the event loop.
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>

#include "core/app/Settings.h"
#include "core/app/TableDocument.h"
#include "core/integration/LatestVersions.h"
#include "core/tree/ConnectionTree.h"
#include "gui/app/ProgramContext.h"
#include "gui/ui/FocusAreas.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

class ColorsPage;
class CommandRefresh;
class CompanionMessages;
class ConnectionTreeModel;
class DocumentHost;
class EditCommands;
class EditorColoring;
class EditorOptions;
class HighlighterPage;
class HostImportCommand;
class InsertModeFilter;
class IntegrationCommands;
class MacroEditor;
class MacroCheckMarks;
class MacroCheckWindow;
class MacroFileCommands;
class MacroPage;
class MainMenus;
class PendingEdits;
class PopupPage;
class PrintCommands;
class PrintDialogs;
class PrinterCheck;
class PropertyPages;
class RunCommands;
class SchedulePage;
class PreviewPage;
class SettingsPages;
class StatusPanels;
class TemplateMenu;
class TextSearch;
class TreeCommands;
class UpdateWindow;
class WindowLayout;
struct Commands;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(ProgramContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  static QString CaptionText(const std::string& displayName, bool modified);

  // --- State the parts report ------------------------------------------------------
  void UpdateCaption(bool modified);
  void SetPendingEdits(bool on);
  bool HasPendingEdits() const;
  FocusArea focusArea() const { return focusAreas_.current(); }
  // Asks for the command states to be recomputed: after the tree's pause when the tree
  // or the template file field has the focus, else once the event loop turns.
  void RequestCommandRefresh();
  // Recomputes the command states now.
  void RefreshCommandsNow();
  void ShowCaretPosition(bool show, int editor);
  void ShowInsertMode(bool force);
  void ShowLockKeys();
  void ShowNodeProperties();

  // --- Commands ----------------------------------------------------------------------
  void Save();
  // Whether the window may close (the document's question, the auto-save option).
  bool QueryClose();
  void ShowPopup();
  void CheckForUpdates();
  // "Apply changes": the pages written into the focused node.
  void Apply();
  void ShowPage(int page, int settingsPage = -1);
  void HideTree();
  void MaximizeTree();
  void RestoreTree();
  // What closing does once: temporary files removed, settings and recent files saved,
  // the companion told. Also run when the window is destroyed without having been shown.
  void Shutdown();
  // Ended from outside (SIGTERM, the session's end): pending edits are applied, a modified
  // table goes to the recovery copy, and the window closes without a question.
  void EndFromOutside();

  // --- The parts, for the window's own companions and for tests -----------------------
  ConnectionTree& tree() { return tree_; }
  Commands& commands() { return *commands_; }
  const Settings& settings() const { return settings_; }
  TableDocument& document() { return *document_; }
  StatusPanels& statusPanels() { return *statusBar_; }
  SettingsPages& settingsPages();
  const SettingsPages& settingsPages() const;
  MacroPage& macroPage() { return *macroPage_; }
  PopupPage& popupPage() { return *popupPage_; }
  ColorsPage& colorsPage() { return *colorsPage_; }
  SchedulePage& schedulePage() { return *schedulePage_; }
  PreviewPage& previewPage() { return *previewPage_; }
  PropertyPages& propertyPages() { return *properties_; }
  TreeCommands& treeCommands() { return *treeCommands_; }
  RunCommands& runCommands() { return *runCommands_; }
  CompanionMessages& companionMessages() { return *companion_; }
  MacroEditor& macroEditor() { return *macroEditor_; }
  IntegrationCommands& integrationCommands() { return *integration_; }
  EditCommands& editCommands() { return *editCommands_; }
  TextSearch& textSearch() { return *textSearch_; }
  MacroCheckMarks& macroCheck() { return *checkMarks_; }
  HostImportCommand& hostImport() { return *hostImport_; }
  MacroCheckWindow& macroCheckWindow() { return *checkWindow_; }
  QMenu& templateSubmenu();
  UpdateWindow& updateWindow() { return *updateWindow_; }
  PrintCommands& printCommands() { return *printing_; }
  TemplateMenu& templateMenu() { return *templates_; }
  WindowLayout& layout() { return *layout_; }
  Platform& platform() { return context_.platform; }
  UserDialogs& dialogs() { return context_.dialogs; }
  const Clock& clock() const { return *clock_; }
  const std::string& programFolder() const { return context_.programFolder; }
  int treeWidth() const;
  int currentPage() const;
  bool pageAreaVisible() const;
  bool treePaneHidden() const;
  bool insertMode() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createParts();
  void registerFocusAreas();
  void connectStatus();
  void connectTree();
  void connectDocument();
  void connectPreview();
  void connectMacroFiles();
  void connectUpdateCheck();
  void connectPrinting();
  void connectCommands();
  void connectStateChanges();
  void createInOrder();
  SettingsEnvironment settingsEnvironment() const;
  void askDelayedImport();
  void saveSettingsAndNotify();
  void showRecentFiles();

  ProgramContext& context_;
  ConnectionTree tree_;
  std::unique_ptr<Clock> clock_;
  ProgramServices services_;
  DocumentHost* documentHost_;
  std::unique_ptr<TableDocument> document_;
  Settings settings_;
  bool closed_ = false;
  int windowStateTracker_ = 0;  // 0 normal, 1 maximized, 2 minimized

  FocusAreas focusAreas_;
  Commands* commands_;
  PendingEdits* pendingEdits_;
  ConnectionTreeModel* model_;
  WindowLayout* layout_;
  MainMenus* menus_;
  StatusPanels* statusBar_;
  EditorColoring* coloring_;
  PropertyPages* properties_;
  MacroPage* macroPage_;
  PopupPage* popupPage_;
  ColorsPage* colorsPage_;
  SchedulePage* schedulePage_;
  PreviewPage* previewPage_;
  MacroEditor* macroEditor_;  // Memo1, of the "Macro" page
  HighlighterPage* highlighterPage_;
  EditorOptions* editorOptions_;
  TreeCommands* treeCommands_;
  RunCommands* runCommands_;
  std::unique_ptr<CommandRefresh> commandRefresh_;
  TemplateMenu* templates_;
  MacroFileCommands* macroFiles_;
  UpdateWindow* updateWindow_;
  std::unique_ptr<PrinterCheck> printerCheck_;
  std::unique_ptr<PrintDialogs> printDialogs_;
  PrintCommands* printing_ = nullptr;
  LatestVersions latestVersions_;  // found by the checks of this run
  InsertModeFilter* insertMode_;
  QTimer* Timer1;
  QTimer* Timer3;
  QTimer* Timer4;
  QTimer* refreshSoon_;
  CompanionMessages* companion_;
  IntegrationCommands* integration_ = nullptr;
  EditCommands* editCommands_;
  TextSearch* textSearch_;
  MacroCheckMarks* checkMarks_;
  HostImportCommand* hostImport_;
  MacroCheckWindow* checkWindow_;
};

}  // namespace skelder
