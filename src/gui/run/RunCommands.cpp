#include "gui/run/RunCommands.h"

#include <Qsci/qsciscintilla.h>
#include <QEventLoop>
#include <QScreen>

#include "core/app/SettingsRunInputs.h"
#include "core/properties/NodeProperties.h"
#include "core/tree/NodeKinds.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/SettingsPages.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/properties/ConnectionPages.h"
#include "gui/properties/PropertyPages.h"
#include "gui/run/KeywordHintLabel.h"
#include "gui/ui/LocalText.h"

namespace skelder {

RunCommands::RunCommands(MainWindow& window)
    : QObject(&window), window_(window), timer5_(new QTimer(this)) {
  Platform& platform = window_.platform();
  runner_ = std::make_unique<MacroRunner>(
      RunServices{window_.dialogs(), *platform.starter, *platform.paths, *platform.windows,
                  *platform.system, window_.clock(), window_.programFolder()});
  timer5_->setObjectName(QStringLiteral("Timer5"));
  timer5_->setSingleShot(true);
  timer5_->setInterval(5000);
  Commands& c = window_.commands();
  const std::pair<QAction*, RunCommand> commands[] = {
      {c.runToCursor, RunCommand::RunToCursor},
      {c.run, RunCommand::Run},
      {c.runBranchToCursor, RunCommand::RunBranchToCursor},
      {c.runBranch, RunCommand::RunBranch}};
  for (const auto& [action, command] : commands)
    connect(action, &QAction::triggered, this, [this, command = command] { Run(command); });
  connect(c.runAllSelected, &QAction::triggered, this, &RunCommands::RunAllSelected);
  hint_ = new KeywordHintLabel(
      window_.connectionPages().Memo1, window_.macroEditor().highlighter().keywords(),
      [this](const std::string& word) {
        return runner_->KeywordHint(word, window_.tree().focusedNode(), Inputs().userData);
      });
}

RunInputs RunCommands::Inputs() const {
  MainWindow& window = window_;
  Settings settings = window.settings();
  window.settingsPages().ReadSettings(settings);
  QsciScintilla* memo = window.connectionPages().Memo1;
  const QScreen* screen = window.screen();
  const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
  RunInputs inputs =
      RunInputsFromSettings(settings, FontHeightFromPoints(memo->font().pointSize(), dpi));
  inputs.terminal.fontName = ToLocal(memo->font().family());
  inputs.pendingEdits = window.HasPendingEdits();
  inputs.editorText = ToLocal(memo->text());
  int line = 0, column = 0;
  memo->getCursorPosition(&line, &column);
  inputs.caretLine = line;
  inputs.logSession = window.connectionPages().cbLogSession->isChecked();
  inputs.workingColors = window.propertyPages().workingColors();
  return inputs;
}

void RunCommands::Run(RunCommand command) {
  runner_->RunFocused(command, window_.tree(), Inputs());
  window_.RequestCommandRefresh();
}

void RunCommands::RunAllSelected() {
  timer5_->setInterval(window_.settingsPages().CBDelay->currentIndex() * 1000 + 2000);
  // Between two starts the window keeps running until Timer5 fires once.
  runner_->RunAllSelected(window_.tree(), Inputs(), [this] {
    QEventLoop wait;
    connect(timer5_, &QTimer::timeout, &wait, &QEventLoop::quit);
    timer5_->start();
    wait.exec();
  });
  window_.RequestCommandRefresh();
}

}  // namespace skelder
