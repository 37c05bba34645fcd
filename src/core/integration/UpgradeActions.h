#pragma once
// What the two links of the update window do: start the upgrade of Tera Term or of the
// product by opening the installer's address, once the program may close.
#include <functional>
#include <string>

#include "core/base/UserDialogs.h"
#include "platform/Broadcaster.h"
#include "platform/ProcessList.h"
#include "platform/ProgramStarter.h"

namespace skelder {

struct UpgradeServices {
  UserDialogs& dialogs;
  const ProcessList& processes;
  ProgramStarter& starter;
  Broadcaster& broadcaster;
  // The main window's QueryClose: true when the program may close (the user saved or
  // discarded the table).
  std::function<bool()> queryClose;
  // BackupTeraTermConfig.
  std::function<void()> backup;
};

// Tera Term's link: waits (with the user) until no Tera Term runs, offers the backup of
// teraterm.ini, announces the close, then opens the installer and tells the companion to
// stop ("SkelderStopMessage"). True when the installer was opened.
bool UpgradeTeraTerm(UpgradeServices& services, const std::string& installerUrl);

// The product's link (the update window has closed already): announces the close, then
// opens the installer and stops the companion. True when the installer was opened.
bool UpgradeProduct(UpgradeServices& services, const std::string& installerUrl);

}  // namespace skelder
