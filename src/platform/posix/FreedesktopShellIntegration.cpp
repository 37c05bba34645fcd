#include "platform/posix/FreedesktopShellIntegration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/posix/DesktopExec.h"
#include "platform/posix/PosixProgramStarter.h"

extern char** environ;

namespace skelder {

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Written beside the file and renamed over it, so that a reader never sees half of it.
void WriteWhole(const std::string& path, const std::string& text) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
      std::remove(temp.c_str());
      return;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) std::remove(temp.c_str());
}

bool WritableFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

std::string FromEnvironment(const char* name, const char* belowHome) {
  if (const char* value = std::getenv(name); value && *value) return value;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + belowHome;
}

// Runs a tool and waits for it, its output discarded; nothing when it is not installed.
void RunQuietly(const std::vector<std::string>& command) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

FreedesktopShellIntegration::FreedesktopShellIntegration(std::string dataHome,
                                                         std::string configHome)
    : dataHome_(std::move(dataHome)), configHome_(std::move(configHome)) {}

std::string FreedesktopShellIntegration::DataHome() {
  return FromEnvironment("XDG_DATA_HOME", "/.local/share");
}

std::string FreedesktopShellIntegration::ConfigHome() {
  return FromEnvironment("XDG_CONFIG_HOME", "/.config");
}

std::string FreedesktopShellIntegration::MimeType(const std::string& extension) {
  return "application/x-skelder-" + extension;
}

std::string FreedesktopShellIntegration::mimePackagePath(const std::string& extension) const {
  return dataHome_ + "/mime/packages/skelder-" + extension + ".xml";
}

std::string FreedesktopShellIntegration::desktopEntryPath(const std::string& extension) const {
  return dataHome_ + "/applications/skelder-" + extension + "file.desktop";
}

std::string FreedesktopShellIntegration::autostartPath() const {
  return configHome_ + "/autostart/Skelder.desktop";
}

std::string FreedesktopShellIntegration::mimePackage(const std::string& extension) const {
  // Globs match without regard to letter case: "*.skd" takes "TABLE.SKD" too.
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" +
         MimeType(extension) +
         "\">\n"
         "    <comment>Skelder connection table</comment>\n"
         "    <glob pattern=\"*." +
         extension +
         "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string FreedesktopShellIntegration::desktopEntry(const std::string& extension,
                                                      const std::string& executable) const {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Skelder Configuration\n"
         "Exec=" +
         DesktopExecLine({executable}) +
         " %f\n"
         "MimeType=" +
         MimeType(extension) +
         ";\n"
         "NoDisplay=true\n"
         "Terminal=false\n";
}

std::string FreedesktopShellIntegration::autostartEntry(const std::string& companion) const {
  // A Windows companion starts through wine, as the program starts it itself.
  std::vector<std::string> command{companion};
  if (IsWindowsExecutable(companion)) command.insert(command.begin(), "wine");
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Skelder\n"
         "Exec=" +
         DesktopExecLine(command) +
         "\n"
         "Terminal=false\n";
}

bool FreedesktopShellIntegration::IsAssociated(const std::string& extension,
                                               const std::string& executable) {
  if (writeAccess_ == WriteAccess::Undecided) {
    // The probe: the folders of both files exist (they stay) and take files.
    writeAccess_ =
        WritableFolder(dataHome_ + "/mime/packages") && WritableFolder(dataHome_ + "/applications")
            ? WriteAccess::Writable
            : WriteAccess::NotWritable;
  }
  if (writeAccess_ != WriteAccess::Writable) return false;
  return ReadWhole(mimePackagePath(extension)) == mimePackage(extension) &&
         ReadWhole(desktopEntryPath(extension)) == desktopEntry(extension, executable);
}

void FreedesktopShellIntegration::Associate(const std::string& extension,
                                            const std::string& executable) {
  if (writeAccess_ == WriteAccess::NotWritable) return;
  WriteWhole(mimePackagePath(extension), mimePackage(extension));
  WriteWhole(desktopEntryPath(extension), desktopEntry(extension, executable));
  associationsChanged();
}

void FreedesktopShellIntegration::RemoveAssociation(const std::string& extension) {
  if (writeAccess_ == WriteAccess::NotWritable) return;
  std::remove(mimePackagePath(extension).c_str());
  std::remove(desktopEntryPath(extension).c_str());
  associationsChanged();
}

bool FreedesktopShellIntegration::RunAtLogonPresent(const std::string& companion) {
  return ReadWhole(autostartPath()) == autostartEntry(companion);
}

void FreedesktopShellIntegration::SetRunAtLogon(bool on, const std::string& companion) {
  if (on)
    WriteWhole(autostartPath(), autostartEntry(companion));
  else
    std::remove(autostartPath().c_str());
}

void FreedesktopShellIntegration::associationsChanged() {
  RunQuietly({"update-mime-database", dataHome_ + "/mime"});
  RunQuietly({"update-desktop-database", dataHome_ + "/applications"});
}

}  // namespace skelder
