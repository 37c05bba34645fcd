#include "gui/integration/IntegrationCommands.h"

#include <QApplication>
#include <QCheckBox>

#include "core/app/TableDocument.h"
#include "core/base/ProgramFolder.h"
#include "core/integration/ConfigBackup.h"
#include "core/integration/TableInformation.h"
#include "core/tree/ConnectionTree.h"
#include "gui/integration/AboutWindow.h"
#include "gui/integration/InformationWindow.h"
#include "gui/properties/GeneralPage.h"
#include "gui/ui/ProgramServices.h"
#include "gui/ui/SystemLocale.h"

namespace skelder {

IntegrationCommands::IntegrationCommands(const ConnectionTree& tree, const TableDocument& document,
                                         GeneralPage& settings, const ProgramServices& services,
                                         QWidget* window)
    : QObject(window),
      tree_(tree),
      document_(document),
      settings_(settings),
      services_(services),
      information_(new InformationWindow(window)),
      about_(new AboutWindow(*services.platform.starter, window)) {
  connect(settings.cbAssociateExt, &QCheckBox::clicked, this,
          &IntegrationCommands::associateClicked);
  connect(settings.cbRunOnStart, &QCheckBox::clicked, this,
          &IntegrationCommands::runOnStartClicked);
  readShellState();
}

std::string IntegrationCommands::companionPath() const {
  return ProgramFilePath(services_.programFolder, "Skelder.exe");
}

void IntegrationCommands::readShellState() {
  ShellIntegration& shell = *services_.platform.shell;
  GeneralPage& pages = settings_;
  const bool associated =
      shell.IsAssociated(kTableExtension, services_.platform.system->executablePath());
  pages.cbAssociateExt->setChecked(associated);
  pages.cbAssociateExt->setEnabled(shell.MayAssociate());
  pages.cbRunOnStart->setChecked(shell.RunAtLogonPresent(companionPath()));
  pages.cbRunOnStart->setEnabled(true);
}

void IntegrationCommands::associateClicked(bool ticked) {
  if (tree_.loading()) return;
  ShellIntegration& shell = *services_.platform.shell;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (ticked)
    shell.Associate(kTableExtension, services_.platform.system->executablePath());
  else
    shell.RemoveAssociation(kTableExtension);
  QApplication::restoreOverrideCursor();
}

void IntegrationCommands::runOnStartClicked(bool ticked) {
  ShellIntegration& shell = *services_.platform.shell;
  if (ticked != shell.RunAtLogonPresent(companionPath()))
    shell.SetRunAtLogon(ticked, companionPath());
}

void IntegrationCommands::ShowInformation() {
  const TableFileFacts facts = ReadTableFileFacts(document_.fileName(), services_.dialogs);
  information_->ShowValues(
      ComposeInformation(facts, CountTreeStatistics(tree_), &InformationWindow::FormatTime));
  information_->exec();
}

void IntegrationCommands::ShowAbout() { about_->exec(); }

namespace {

BackupServices BackupServicesOf(const ProgramServices& services) {
  static const LocaleNames names = SystemLocaleNames();
  return BackupServices{*services.platform.settings, services.dialogs, services.clock, names,
                        services.programFolder};
}

}  // namespace

bool IntegrationCommands::backupPresent() const {
  return LoadConfigBackup(*services_.platform.settings);
}

void IntegrationCommands::BackupTeraTermConfig() {
  BackupServices services = BackupServicesOf(services_);
  if (skelder::BackupTeraTermConfig(services)) emit backupMade();
}

void IntegrationCommands::RestoreTeraTermConfig() {
  BackupServices services = BackupServicesOf(services_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents();
  skelder::RestoreTeraTermConfig(services);
  QApplication::restoreOverrideCursor();
}

}  // namespace skelder
