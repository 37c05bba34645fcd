#include "core/integration/ConfigBackup.h"

#include <cstdio>
#include <filesystem>

#include "core/base/ProgramFolder.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "core/text/IniFile.h"
#include "core/text/Texts.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

namespace {

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::string IniBackupText(const std::string& iniText, const std::string& timeLine) {
  std::string text = timeLine + "\r\n";
  std::string section;
  for (const std::string& raw : SplitLines(iniText)) {
    const std::string line = TrimText(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line;
    } else if (!section.empty() && line.find('=') != std::string::npos && line[0] != ';') {
      text += section + line + "\r\n";
    }
  }
  return text;
}

std::string DatedCopyName(const std::string& path, const LocalTime& t, const LocaleNames& names,
                          const std::string& extension) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "_%02d%s%04d_%02d%02d%02d", t.day,
                names.months.at(static_cast<size_t>(t.month - 1)).c_str(), t.year, t.hour, t.minute,
                t.second);
  return path.substr(0, path.size() >= 4 ? path.size() - 4 : 0) + stamp + extension;
}

bool BackupTeraTermConfig(BackupServices& s) {
  const std::string ini = FindProgramFile(s.programFolder, "teraterm.ini");
  std::string iniText;
  if (const std::error_code error = ReadFileBytes(ini, iniText)) {
    s.dialogs.error(FileOpenErrorText(ini, error));
    return false;
  }
  const std::string timeLine = FormatLastUpdated(s.clock.now(), s.names);
  const std::string text = IniBackupText(iniText, timeLine);
  auto key = s.store.openKey(kSettingsKeyPath, true);
  if (!key || !key->writeString("IniBackup", EncodeNodeText(text, true))) {
    s.dialogs.error("Failed to back up TeraTerm configuration.\rError writing registry.");
    return false;
  }
  const std::string cfg = FindProgramFile(s.programFolder, "cygterm.cfg");
  std::string cfgText;
  if (Exists(cfg) && !ReadFileBytes(cfg, cfgText)) {
    std::string lines;
    for (const std::string& line : SplitLines(cfgText)) lines += line + "\r\n";
    key->writeString("CygTermBackup", EncodeNodeText(lines, true));
  }
  s.dialogs.messageBox(
      MessageKind::Information, MessageButtons::Ok,
      "TeraTerm configuration was backed up successfully.\nBackup time - " + timeLine);
  return true;
}

bool LoadConfigBackup(SettingsStore& store, std::vector<std::string>* lines, std::string* cygTerm) {
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return false;
  const auto backup = key->readString("IniBackup");
  if (!backup || backup->empty()) return false;
  if (lines) *lines = SplitLines(DecodeNodeText(*backup));
  if (cygTerm) *cygTerm = DecodeNodeText(key->readString("CygTermBackup").value_or(""));
  return true;
}

bool RestoreTeraTermConfig(BackupServices& s) {
  std::vector<std::string> lines;
  std::string cygTerm;
  if (!LoadConfigBackup(s.store, &lines, &cygTerm) || lines.empty()) {
    s.dialogs.error("Failed to restore TeraTerm configuration.\rError reading registry.");
    return false;
  }
  const std::string& timeLine = lines.front();
  if (s.dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNo,
                           "Do you want to restore TeraTerm configuration backed up on " +
                               timeLine + " ?" + "\r" +
                               "Copy of current configuration file TeraTerm.ini will be created "
                               "prior applying changes to it.") != MessageAnswer::Yes)
    return false;
  const LocalTime now = s.clock.now();
  const std::string ini = FindProgramFile(s.programFolder, "teraterm.ini");
  const std::string iniCopy = DatedCopyName(ini, now, s.names, ".ini");
  if (const std::error_code error = CopyFileBytes(ini, iniCopy)) {
    s.dialogs.error(FileOpenErrorText(ini, error));
    return false;
  }
  IniFile file;
  file.load(ini);
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (TrimText(line).empty()) continue;
    const size_t close = line.find(']');
    const size_t equals = line.find('=');
    if (close == std::string::npos || equals == std::string::npos) continue;
    const std::string section = line.substr(1, close - 1);
    const std::string rest = line.substr(close + 1);
    file.writeString(section, TrimText(rest.substr(0, rest.find('='))), line.substr(equals + 1));
  }
  if (!file.save(ini)) {
    s.dialogs.error(FileCreateErrorText(ini, std::make_error_code(std::errc::io_error)));
    return false;
  }
  const std::string cfg = FindProgramFile(s.programFolder, "cygterm.cfg");
  if (Exists(cfg)) CopyFileBytes(cfg, DatedCopyName(cfg, now, s.names, ".cfg"));
  if (const std::error_code error = ReplaceFileBytes(cfg, cygTerm)) {
    s.dialogs.error(FileCreateErrorText(cfg, error));
    return false;
  }
  s.dialogs.messageBox(MessageKind::Information, MessageButtons::Ok,
                       "Current TeraTerm.ini file was copied into file " + iniCopy + "\r" +
                           "TeraTerm configuration from " + timeLine + " has been restored.");
  return true;
}

}  // namespace skelder
