#include "gui/integration/IntegrationCommands.h"

#include <QApplication>
#include <QCheckBox>

#include "core/base/ProgramFolder.h"
#include "core/integration/TableInformation.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/SettingsPages.h"
#include "gui/integration/AboutWindow.h"
#include "gui/integration/InformationWindow.h"

namespace skelder {

IntegrationCommands::IntegrationCommands(MainWindow& window)
    : QObject(&window),
      window_(window),
      information_(new InformationWindow(&window)),
      about_(new AboutWindow(*window.platform().starter, &window)) {
  Commands& c = window.commands();
  connect(c.info, &QAction::triggered, this, &IntegrationCommands::ShowInformation);
  connect(c.about, &QAction::triggered, this, &IntegrationCommands::ShowAbout);
  SettingsPages& pages = window.settingsPages();
  connect(pages.cbAssociateExt, &QCheckBox::clicked, this, &IntegrationCommands::associateClicked);
  connect(pages.cbRunOnStart, &QCheckBox::clicked, this, &IntegrationCommands::runOnStartClicked);
  readShellState();
}

std::string IntegrationCommands::companionPath() const {
  return ProgramFilePath(window_.programFolder(), "Skelder.exe");
}

void IntegrationCommands::readShellState() {
  ShellIntegration& shell = *window_.platform().shell;
  SettingsPages& pages = window_.settingsPages();
  const bool associated =
      shell.IsAssociated(kTableExtension, window_.platform().system->executablePath());
  pages.cbAssociateExt->setChecked(associated);
  pages.cbAssociateExt->setEnabled(shell.MayAssociate());
  pages.cbRunOnStart->setChecked(shell.RunAtLogonPresent(companionPath()));
  pages.cbRunOnStart->setEnabled(true);
}

void IntegrationCommands::associateClicked(bool ticked) {
  if (window_.tree().loading()) return;
  ShellIntegration& shell = *window_.platform().shell;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (ticked)
    shell.Associate(kTableExtension, window_.platform().system->executablePath());
  else
    shell.RemoveAssociation(kTableExtension);
  QApplication::restoreOverrideCursor();
}

void IntegrationCommands::runOnStartClicked(bool ticked) {
  ShellIntegration& shell = *window_.platform().shell;
  if (ticked != shell.RunAtLogonPresent(companionPath()))
    shell.SetRunAtLogon(ticked, companionPath());
}

void IntegrationCommands::ShowInformation() {
  const TableFileFacts facts = ReadTableFileFacts(window_.document().fileName(), window_.dialogs());
  information_->ShowValues(ComposeInformation(facts, CountTreeStatistics(window_.tree()),
                                              &InformationWindow::FormatTime));
  information_->exec();
}

void IntegrationCommands::ShowAbout() { about_->exec(); }

}  // namespace skelder
