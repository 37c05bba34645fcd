#pragma once
// The program's one document window.
#include <QMainWindow>
#include <QTimer>
#include <string>

#include "core/app/Settings.h"
#include "gui/app/ProgramContext.h"

namespace skelder {

class BroadcastListener;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(ProgramContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Caption "Skelder Configuration - [file]" with "*" when the tree differs from the file.
  void UpdateCaption(bool modified);
  static QString CaptionText(const std::string& displayName, bool modified);

  const Settings& settings() const { return settings_; }
  const std::string& currentFile() const { return currentFile_; }
  bool importQuestionArmed() const { return importArmed_; }

  // Opens a table file as the document. (The table reader plugs in here.)
  bool OpenTableFile(const std::string& path);
  // Imports a table file into the open table. (The import plugs in here.)
  void ImportFile(const std::string& path);

  // What closing does once: temporary files removed, settings saved and announced.
  // Also run when the window is destroyed without having been shown.
  void Shutdown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  SettingsEnvironment settingsEnvironment() const;
  void consumeArgument();
  void askDelayedImport();
  void onBroadcast(const QString& name);
  void saveSettingsAndNotify();
  void rememberNormalGeometry();

  ProgramContext& context_;
  Settings settings_;
  std::string currentFile_;
  bool importArmed_ = false;
  bool closed_ = false;
  QTimer* timer3_;  // the delayed import question
  QTimer* timer4_;  // maximizes the window shortly after start
  BroadcastListener* listener_;
};

}  // namespace skelder
