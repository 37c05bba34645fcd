#pragma once
// The Run commands of the window: "Run to cursor", "Run", "Run branch to cursor",
// "Run branch" on the focused connection and "Run all selected", paced by Timer5.
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/run/MacroPreview.h"
#include "core/run/MacroRunner.h"

class QsciScintilla;

namespace skelder {

class ConnectionTree;
class KeywordHintLabel;
class KeywordStore;
class PendingEdits;
class PropertyPages;
class SettingsPages;
class MacroPage;
struct ProgramServices;
struct Settings;

// What a run takes from the window: the tree, the settings as loaded and as the settings
// pages show them, the macro editor with its keywords and the connection pages' state.
struct RunCommandsParts {
  ConnectionTree& tree;
  const Settings& settings;
  const SettingsPages& settingsPages;
  QsciScintilla& macroEditor;
  const KeywordStore& keywords;
  const MacroPage& macroPage;
  PropertyPages& properties;
  const PendingEdits& pending;
  const ProgramServices& services;
};

class RunCommands : public QObject {
  Q_OBJECT
 public:
  RunCommands(const RunCommandsParts& parts, QWidget* window);

  void Run(RunCommand command);
  void RunAllSelected();

  MacroRunner& runner() { return *runner_; }
  QTimer* Timer5() const { return timer5_; }
  KeywordHintLabel& hint() const { return *hint_; }
  // What a run takes from the window now.
  RunInputs Inputs() const;
  // What "Run" and "Run branch" would execute for the focused connection now; none while
  // the connection pages do not apply.
  std::optional<MacroPreview> Preview() const;

 signals:
  void statesChanged();

 private:
  RunCommandsParts parts_;
  QWidget* window_;
  std::unique_ptr<MacroRunner> runner_;
  QTimer* timer5_;
  KeywordHintLabel* hint_;
};

}  // namespace skelder
