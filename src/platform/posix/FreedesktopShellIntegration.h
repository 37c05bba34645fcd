#pragma once
// The shell integration of freedesktop desktops, in the user's own folders:
//   the association  a MIME type for the extension's files
//                      ($XDG_DATA_HOME/mime/packages/skelder-EXT.xml) and the
//                      desktop entry that opens them
//                      ($XDG_DATA_HOME/applications/skelder-EXTfile.desktop);
//   start at logon   an autostart entry ($XDG_CONFIG_HOME/autostart/Skelder.desktop).
// Each counts as present exactly when its files hold what this program writes for the
// given executable, as the registry values must match on Windows.
#include <string>

#include "platform/ShellIntegration.h"

namespace skelder {

class FreedesktopShellIntegration : public ShellIntegration {
 public:
  // The folders of $XDG_DATA_HOME and $XDG_CONFIG_HOME.
  FreedesktopShellIntegration(std::string dataHome, std::string configHome);
  // The folders as the environment names them (~/.local/share and ~/.config by default).
  static std::string DataHome();
  static std::string ConfigHome();

  bool IsAssociated(const std::string& extension, const std::string& executable) override;
  bool MayAssociate() const override { return writeAccess_ == WriteAccess::Writable; }
  void Associate(const std::string& extension, const std::string& executable) override;
  void RemoveAssociation(const std::string& extension) override;
  bool RunAtLogonPresent(const std::string& companion) override;
  void SetRunAtLogon(bool on, const std::string& companion) override;

  std::string mimePackagePath(const std::string& extension) const;
  std::string desktopEntryPath(const std::string& extension) const;
  std::string autostartPath() const;
  // The MIME type of the extension's files.
  static std::string MimeType(const std::string& extension);

 protected:
  // Refreshes the desktop's caches of MIME types and desktop entries, with the tools
  // that build them where they are installed.
  virtual void associationsChanged();

 private:
  enum class WriteAccess { Undecided, Writable, NotWritable };

  std::string mimePackage(const std::string& extension) const;
  std::string desktopEntry(const std::string& extension, const std::string& executable) const;
  std::string autostartEntry(const std::string& companion) const;

  std::string dataHome_;
  std::string configHome_;
  WriteAccess writeAccess_ = WriteAccess::Undecided;
};

}  // namespace skelder
