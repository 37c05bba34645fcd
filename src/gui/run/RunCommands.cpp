#include "gui/run/RunCommands.h"

#include <Qsci/qsciscintilla.h>
#include <QEventLoop>
#include <QScreen>

#include "core/app/Settings.h"
#include "core/app/SettingsRunInputs.h"
#include "core/properties/NodeProperties.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeKinds.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/run/KeywordHintLabel.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

RunCommands::RunCommands(const RunCommandsParts& parts, QWidget* window)
    : QObject(window), parts_(parts), window_(window), timer5_(new QTimer(this)) {
  const ProgramServices& services = parts_.services;
  Platform& platform = services.platform;
  runner_ = std::make_unique<MacroRunner>(
      RunServices{services.dialogs, *platform.starter, *platform.paths, *platform.windows,
                  *platform.system, services.clock, services.programFolder});
  timer5_->setObjectName(QStringLiteral("Timer5"));
  timer5_->setSingleShot(true);
  timer5_->setInterval(5000);
  hint_ =
      new KeywordHintLabel(&parts_.macroEditor, parts_.keywords, [this](const std::string& word) {
        return runner_->KeywordHint(word, parts_.tree.focusedNode(), Inputs().userData);
      });
}

RunInputs RunCommands::Inputs() const {
  Settings settings = parts_.settings;
  parts_.settingsPages.ReadSettings(settings);
  QsciScintilla* memo = &parts_.macroEditor;
  const QScreen* screen = window_->screen();
  const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
  RunInputs inputs =
      RunInputsFromSettings(settings, FontHeightFromPoints(memo->font().pointSize(), dpi));
  inputs.terminal.fontName = ToLocal(memo->font().family());
  inputs.pendingEdits = parts_.pending.any();
  inputs.editorText = ToLocal(memo->text());
  int line = 0, column = 0;
  memo->getCursorPosition(&line, &column);
  inputs.caretLine = line;
  inputs.logSession = parts_.macroPage.startLogging();
  inputs.workingColors = parts_.properties.workingColors();
  return inputs;
}

std::optional<MacroPreview> RunCommands::Preview() const {
  const TreeNode* node = parts_.tree.focusedNode();
  if (!node || !PagesCoverText(parts_.tree).empty()) return std::nullopt;
  return PreviewMacro(*runner_, *node, Inputs());
}

void RunCommands::Run(RunCommand command) {
  runner_->RunFocused(command, parts_.tree, Inputs());
  emit statesChanged();
}

void RunCommands::RunAllSelected() {
  timer5_->setInterval(parts_.settingsPages.multiStartDelay() * 1000 + 2000);
  // Between two starts the window keeps running until Timer5 fires once.
  runner_->RunAllSelected(parts_.tree, Inputs(), [this] {
    QEventLoop wait;
    connect(timer5_, &QTimer::timeout, &wait, &QEventLoop::quit);
    timer5_->start();
    wait.exec();
  });
  emit statesChanged();
}

}  // namespace skelder
