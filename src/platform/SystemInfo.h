#pragma once
// Facts about the system and the user, and the shell's names of files.
#include <optional>
#include <string>

#include "platform/FileVersion.h"

namespace skelder {

struct LockKeys {
  bool num = false;
  bool caps = false;
  bool scroll = false;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual std::string userName() const = 0;
  virtual std::string computerName() const = 0;
  // The Windows folder (under Wine: the prefix's drive_c/windows).
  virtual std::string windowsFolder() const = 0;
  // The name under which the shell shows the file; the path itself when it cannot tell.
  virtual std::string shellDisplayName(const std::string& path) const = 0;
  // True on the NT family of Windows (and everywhere that is not Windows 9x).
  virtual bool isNTFamily() const = 0;
  // The full path of the running executable.
  virtual std::string executablePath() const = 0;
  // Which lock keys are on; nothing where the system cannot tell.
  virtual std::optional<LockKeys> lockKeys() const { return std::nullopt; }
  // The folder of the user's own files of the program, beside its settings (created on
  // demand by the writer); empty where there is none.
  virtual std::string settingsFolder() const { return {}; }
  // The file version in the version resource of an executable; kUnknownFileVersion for a
  // file without one (or missing). Read from the file itself unless the system can tell.
  virtual FileVersion fileVersion(const std::string& path) const {
    return ReadPeFileVersion(path).value_or(kUnknownFileVersion);
  }
};

}  // namespace skelder
