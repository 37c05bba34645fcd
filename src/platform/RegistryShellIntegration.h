#pragma once
// The shell integration as the Windows registry holds it, over two registry-like stores:
// the classes root for the file association and the current user's root for the "Run"
// value. The layout is the one the shell and the tray companion rely on:
//
//   classes  "." + ext                          @ = ext + "file"
//            ext + "file\DefaultIcon"           @ = executable + ",0"
//            ext + "file\shell\open\command"    @ = executable + " \"%1\""
//   user     "Software\Microsoft\Windows\CurrentVersion\Run"  "Skelder.exe" = companion
#include <memory>
#include <string>

#include "platform/SettingsStore.h"
#include "platform/ShellIntegration.h"

namespace skelder {

class RegistryShellIntegration : public ShellIntegration {
 public:
  RegistryShellIntegration(std::unique_ptr<SettingsStore> classes,
                           std::unique_ptr<SettingsStore> user);

  bool IsAssociated(const std::string& extension, const std::string& executable) override;
  bool MayAssociate() const override { return writeAccess_ == WriteAccess::Writable; }
  void Associate(const std::string& extension, const std::string& executable) override;
  void RemoveAssociation(const std::string& extension) override;
  bool RunAtLogonPresent(const std::string& companion) override;
  void SetRunAtLogon(bool on, const std::string& companion) override;

  // The open command of the association: the executable's path as it stands (not
  // quoted), a blank and the quoted placeholder.
  static std::string OpenCommand(const std::string& executable);

 protected:
  // Tells the shell that file associations changed; nothing by default.
  virtual void associationsChanged() {}

 private:
  // Learnt once per process, by the first IsAssociated.
  enum class WriteAccess { Undecided, Writable, NotWritable };

  std::string readDefault(const std::string& path) const;

  std::unique_ptr<SettingsStore> classes_;
  std::unique_ptr<SettingsStore> user_;
  WriteAccess writeAccess_ = WriteAccess::Undecided;
};

inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Skelder.exe";

}  // namespace skelder
