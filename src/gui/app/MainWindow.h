#pragma once
// The program's one document window: the tree VT on the left, the pages PG on the right,
// the toolbar CBar above and the status bar SBar below. It owns the ConnectionTree and
// the document state (the table file, its "*" in the caption, the pending edits).
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/app/Settings.h"
#include "core/app/TableDocument.h"
#include "core/base/UserDialogs.h"
#include "core/integration/LatestVersions.h"
#include "core/tree/ConnectionTree.h"
#include "gui/app/ProgramContext.h"
#include "gui/ui/FocusArea.h"

class QSplitter;
class QTabWidget;
class QMenu;
class QToolBar;
class QToolButton;
class QsciScintilla;

namespace skelder {

class BroadcastListener;
class CompanionMessages;
class EditCommands;
class TextSearch;
struct BackupServices;
struct Commands;
class ConnectionTreeModel;
class ConnectionTreeView;
class InsertModeFilter;
class MacroEditor;
class IntegrationCommands;
class SettingsPages;
class StatusPanels;
class PropertyPages;
class TreeCommands;
class TemplateMenu;
class MacroFileCommands;
class UpdateWindow;
class PrintCommands;
class PrintDialogs;
class PrinterCheck;
class RunCommands;
class CommandRefresh;
struct ConnectionPages;
class Clock;
class DocumentHost;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(ProgramContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- Document state ------------------------------------------------------------
  // Marks whether the tree differs from the file; the caption follows the document.
  void UpdateCaption(bool modified);
  static QString CaptionText(const std::string& displayName, bool modified);
  void SetPendingEdits(bool on);
  bool HasPendingEdits() const;
  // Which control has the keyboard focus.
  FocusArea focusArea() const;
  void RequestCommandRefresh();
  void ShowCaretPosition(bool show, int editor);
  void ShowInsertMode(bool force);
  void ShowLockKeys();

  // --- Commands ------------------------------------------------------------------
  // "Save": the document saved, the tree focused.
  void Save();
  // Whether the window may close (the document's question, the auto-save option).
  bool QueryClose();
  void Undo();
  void ShowPopup();
  // "Check for updates".
  void CheckForUpdates();
  // "Apply changes": the pages written into the focused node.
  void Apply();
  void ShowPage(int page, int settingsPage = -1);
  void HideTree();
  void MaximizeTree();
  void RestoreTree();

  // "TeraTerm configuration": "Backup" and "Restore".
  void BackupTeraTermConfig();
  void RestoreTeraTermConfig();
  // What closing does once: temporary files removed, settings and recent files saved,
  // the companion told. Also run when the window is destroyed without having been shown.
  void Shutdown();

  // --- For the other parts of the window and for tests ------------------------------
  ConnectionTree& tree() { return tree_; }
  Commands& commands() { return *commands_; }
  const Settings& settings() const { return settings_; }
  TableDocument& document() { return *document_; }
  int treeWidth() const;
  StatusPanels& statusPanels() { return *statusBar_; }
  SettingsPages& settingsPages() { return *settingsPages_; }
  ConnectionPages& connectionPages() { return *pages_; }
  PropertyPages& propertyPages() { return *properties_; }
  TreeCommands& treeCommands() { return *treeCommands_; }
  RunCommands& runCommands() { return *runCommands_; }
  CompanionMessages& companionMessages() { return *companion_; }
  MacroEditor& macroEditor() { return *macroEditor_; }
  IntegrationCommands& integrationCommands() { return *integration_; }
  EditCommands& editCommands() { return *editCommands_; }
  TextSearch& textSearch() { return *textSearch_; }
  QMenu& templateSubmenu() { return *templateSubmenu_; }
  UpdateWindow& updateWindow() { return *updateWindow_; }
  PrintCommands& printCommands() { return *printing_; }
  TemplateMenu& templateMenu() { return *templates_; }
  Platform& platform() { return context_.platform; }
  UserDialogs& dialogs() { return context_.dialogs; }
  const Clock& clock() const;
  const std::string& programFolder() const { return context_.programFolder; }
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
  void buildLayout();
  void buildMenus();
  void buildToolBar();
  void attachContextMenu(QWidget* target);
  void connectDocument();
  void connectMacroFiles();
  void connectUpdateCheck();
  void connectPrinting();
  void followAction(QToolButton* button, QAction* action, const std::function<void()>& click);
  void connectCommands();
  void createInOrder();
  SettingsEnvironment settingsEnvironment() const;
  void selectStartNode();
  void askDelayedImport();
  void saveSettingsAndNotify();
  void refreshCommands();
  void redrawRecentFiles();
  void updateInfoCaption();
  void pageChanged(int page);
  void focusFirstControl();
  void ApplyNodeProperties();

 public:
  void ShowNodeProperties();

 private:
  void keepTreeWidth();
  BackupServices backupServices();
  void dropNodes(TreeNode* target, int position, bool copy);

  ProgramContext& context_;
  ConnectionTree tree_;
  std::unique_ptr<Clock> clock_;
  DocumentHost* documentHost_;
  std::unique_ptr<TableDocument> document_;
  Settings settings_;
  bool closed_ = false;
  int windowStateTracker_ = 0;  // 0 normal, 1 maximized, 2 minimized
  int rememberedTreeWidth_ = 265;

  Commands* commands_;
  ConnectionTreeModel* model_;
  ConnectionTreeView* VT;
  QSplitter* splitter_;
  QTabWidget* PG;
  SettingsPages* settingsPages_;
  std::unique_ptr<ConnectionPages> pages_;
  PropertyPages* properties_;
  MacroEditor* macroEditor_;
  TreeCommands* treeCommands_;
  RunCommands* runCommands_;
  std::unique_ptr<CommandRefresh> commandRefresh_;
  QsciScintilla* Memo1;
  QsciScintilla* Memo2;
  StatusPanels* statusBar_;
  QToolBar* CBar;
  QMenu* fileMenu_;
  QMenu* pmTV_;
  QMenu* templateSubmenu_;
  TemplateMenu* templates_;
  MacroFileCommands* macroFiles_;
  UpdateWindow* updateWindow_;
  std::unique_ptr<PrinterCheck> printerCheck_;
  std::unique_ptr<PrintDialogs> printDialogs_;
  PrintCommands* printing_ = nullptr;
  LatestVersions latestVersions_;  // found by the checks of this run
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QList<QPair<QAction*, QAction*>> treeItems_;  // pmTV's tree items and their commands
  InsertModeFilter* insertMode_;
  QTimer* Timer1;
  QTimer* Timer3;
  QTimer* Timer4;
  CompanionMessages* companion_;
  IntegrationCommands* integration_ = nullptr;
  EditCommands* editCommands_;
  TextSearch* textSearch_;
};

}  // namespace skelder
