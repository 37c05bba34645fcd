#include "gui/tree/HostImportCommand.h"

#include <QWidget>

#include "core/app/TableDocument.h"
#include "core/base/ProgramFolder.h"
#include "core/hosts/HostConnections.h"
#include "core/hosts/HostImport.h"
#include "core/properties/ColorSchemas.h"
#include "core/properties/NodeProperties.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SettingsPages.h"
#include "gui/tree/HostImportDialog.h"
#include "gui/ui/ProgramServices.h"
#include "gui/ui/SystemLocale.h"
#include "platform/PuttySessionStore.h"

namespace skelder {

HostImportCommand::HostImportCommand(const HostImportParts& parts, QWidget* window)
    : QObject(window), parts_(parts), window_(window) {
  chooseSource = [this]() -> std::optional<std::string> {
    HostImportDialog dialog(parts_.services.dialogs, HomeFolder(), window_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.source();
  };
}

void HostImportCommand::ImportHosts() {
  if (!parts_.properties.SettlePendingEdits()) return;
  if (const auto source = chooseSource()) ImportFrom(*source);
  emit statesChanged();
}

void HostImportCommand::ImportFrom(const std::string& source) {
  const ProgramServices& services = parts_.services;
  HostImportResult result = ReadHostSource(source, HomeFolder(), *CreatePuttySessionStore());
  if (!result.error.empty()) {
    services.dialogs.error(result.error);
    return;
  }
  const std::string folder = services.programFolder;
  KeyFilesAsTeraTermSeesThem(result, *services.platform.paths,
                             ProgramFilePath(folder, "ttermpro.exe"));
  const std::string ini = FindProgramFile(folder, "teraterm.ini");
  NewConnectionDefaults defaults;
  defaults.colors = SchemaColorString(std::max(0, parts_.settings.defaultSchema()), ini);
  defaults.startLogging = parts_.settings.logNewConnections();
  const std::string folderName = HostFolderName(source);
  const int taken = AddImportedHosts(parts_.tree, folderName, result, defaults,
                                     FormatLastUpdated(services.clock.now(), SystemLocaleNames()));
  const TreeNode* computer = parts_.tree.computerNode();
  if (taken > 0) parts_.document.setModified(true);
  std::string report = HostImportReport(
      result, taken > 0 ? computer->child(computer->childCount() - 1)->data.Name : folderName);
  if (!report.empty() && report.back() == '\n') report.pop_back();
  std::string shown;
  for (char c : report) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
  services.dialogs.messageBox(MessageKind::Information, MessageButtons::Ok, shown);
}

}  // namespace skelder
