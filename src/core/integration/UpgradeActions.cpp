#include "core/integration/UpgradeActions.h"

namespace skelder {

namespace {

const char kTeraTermRunning[] =
    "TeraTerm is currently running. It has to be closed to perform the upgrade.\r\nUse <Alt-Tab> "
    "key combination to switch between applications and close all open TeraTerm windows.\r\nThen "
    "return to Skelder and press 'OK' button in this window to start upgrade.";

const char kBackupQuestion[] =
    "TeraTerm installation program will overwrite your current TeraTerm settings.\r\rSkelder can "
    "backup your 'teraterm.ini' file before installing new version. You can restore it after "
    "upgrade by choosing 'File -> TeraTerm Configuration -> Restore' menu of Skelder "
    "Configuration window.\r\rDo you want to backup 'teraterm.ini' file?";

const char kClosing[] = "Skelder will close now to perform the upgrade.\rPress Ok to continue.";

bool OpenInstaller(UpgradeServices& services, const std::string& installerUrl) {
  services.dialogs.messageBox(MessageKind::Information, MessageButtons::Ok, kClosing);
  if (!services.queryClose || !services.queryClose()) return false;
  services.starter.open(installerUrl, "", "");
  services.broadcaster.broadcast("SkelderStopMessage");
  return true;
}

}  // namespace

bool UpgradeTeraTerm(UpgradeServices& services, const std::string& installerUrl) {
  if (installerUrl.empty()) return false;
  while (services.processes.isRunning("TTERMPRO.EXE"))
    if (services.dialogs.messageBox(MessageKind::Warning, MessageButtons::OkCancel,
                                    kTeraTermRunning) != MessageAnswer::Ok)
      return false;
  switch (services.dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNoCancel,
                                      kBackupQuestion)) {
    case MessageAnswer::Yes:
      if (services.backup) services.backup();
      break;
    case MessageAnswer::No:
      break;
    default:
      return false;
  }
  return OpenInstaller(services, installerUrl);
}

bool UpgradeProduct(UpgradeServices& services, const std::string& installerUrl) {
  if (installerUrl.empty()) return false;
  return OpenInstaller(services, installerUrl);
}

}  // namespace skelder
