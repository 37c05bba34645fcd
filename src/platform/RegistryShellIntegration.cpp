#include "platform/RegistryShellIntegration.h"

#include <utility>

namespace skelder {

RegistryShellIntegration::RegistryShellIntegration(std::unique_ptr<SettingsStore> classes,
                                                   std::unique_ptr<SettingsStore> user)
    : classes_(std::move(classes)), user_(std::move(user)) {}

std::string RegistryShellIntegration::OpenCommand(const std::string& executable) {
  return executable + " \"%1\"";
}

std::string RegistryShellIntegration::readDefault(const std::string& path) const {
  const auto key = classes_->openKey(path, false);
  return key ? key->readString("").value_or("") : "";
}

bool RegistryShellIntegration::IsAssociated(const std::string& extension,
                                            const std::string& executable) {
  const std::string type = extension + "file";
  const std::string extensionType = readDefault("." + extension);
  if (writeAccess_ == WriteAccess::Undecided) {
    // The probe: creating the file type key. The key stays, empty, when nothing else
    // is written.
    writeAccess_ = classes_->openKey(type, true) ? WriteAccess::Writable : WriteAccess::NotWritable;
  }
  if (writeAccess_ != WriteAccess::Writable) return false;
  return extensionType == type && readDefault(type + "\\DefaultIcon") == executable + ",0" &&
         readDefault(type + "\\shell\\open\\command") == OpenCommand(executable);
}

void RegistryShellIntegration::Associate(const std::string& extension,
                                         const std::string& executable) {
  if (writeAccess_ == WriteAccess::NotWritable) return;
  const std::string type = extension + "file";
  const auto write = [this](const std::string& path, const std::string& value) {
    if (auto key = classes_->openKey(path, true)) key->writeString("", value);
  };
  write("." + extension, type);
  classes_->openKey(type, true);
  write(type + "\\DefaultIcon", executable + ",0");
  write(type + "\\shell\\open\\command", OpenCommand(executable));
  associationsChanged();
}

void RegistryShellIntegration::RemoveAssociation(const std::string& extension) {
  if (writeAccess_ == WriteAccess::NotWritable) return;
  classes_->deleteKey("." + extension);
  classes_->deleteKey(extension + "file");
  associationsChanged();
}

bool RegistryShellIntegration::RunAtLogonPresent(const std::string& companion) {
  const auto run = user_->openKey(kRunKeyPath, true);
  return run && run->readString(kRunValueName) == companion;
}

void RegistryShellIntegration::SetRunAtLogon(bool on, const std::string& companion) {
  const auto run = user_->openKey(kRunKeyPath, true);
  if (!run) return;
  if (on)
    run->writeString(kRunValueName, companion);
  else
    run->deleteValue(kRunValueName);
}

}  // namespace skelder
