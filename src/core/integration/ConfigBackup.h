#pragma once
// Backup of Tera Term's settings in the settings key ("IniBackup", "CygTermBackup") and
// their restore into teraterm.ini and cygterm.cfg, each after a dated copy.
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "core/properties/NodeProperties.h"
#include "platform/SettingsStore.h"

namespace skelder {

struct BackupServices {
  SettingsStore& store;
  UserDialogs& dialogs;
  const Clock& clock;
  const LocaleNames& names;
  std::string programFolder;
};

// The backup text of a teraterm.ini: the time line, then each setting under a section as
// the section's header followed by the setting's line; every line ends with CR LF.
std::string IniBackupText(const std::string& iniText, const std::string& timeLine);

// "Backup": true when the backup was stored.
bool BackupTeraTermConfig(BackupServices& services);

// Whether a backup is stored; with lines given, its lines and the CygTerm text too.
bool LoadConfigBackup(SettingsStore& store, std::vector<std::string>* lines = nullptr,
                      std::string* cygTerm = nullptr);

// "Restore": true when the files were restored.
bool RestoreTeraTermConfig(BackupServices& services);

// A file's dated copy: its path without the last four characters (the extension), then
// "_ddmmmyyyy_hhnnss" and the extension given.
std::string DatedCopyName(const std::string& path, const LocalTime& time, const LocaleNames& names,
                          const std::string& extension);

}  // namespace skelder
