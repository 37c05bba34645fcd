#include "core/app/Startup.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/app/SettingsStorage.h"
#include "core/base/ProgramFolder.h"
#include "core/text/Texts.h"
#include "platform/Platform.h"

namespace skelder {

namespace fs = std::filesystem;

StartupServices MakeStartupServices(Platform& platform, UserDialogs& dialogs,
                                    const std::string& programFolder,
                                    const std::string& executablePath) {
  return StartupServices{*platform.settings, *platform.flags,  *platform.broadcaster,
                         *platform.starter,  *platform.system, dialogs,
                         programFolder,      executablePath};
}

bool IsUpdateCheckMode(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && arguments[0] == kUpdateCheckArgument;
}

int RunStartup(const std::vector<std::string>& arguments, StartupServices& services,
               StartupHost& host) {
  if (std::string notice = services.store.takeRecoveryNotice(); !notice.empty())
    services.dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok, notice);

  if (!arguments.empty()) WriteParamName(services.store, arguments[0]);
  StartCompanionIfNeeded(services);

  // Listening before the flag tells later starts that one runs, so that no later start's
  // wake-up can come too early to be heard.
  host.listenForLaterStarts();
  // Held until start-up returns: its existence tells later starts that one runs.
  FlagCreation instance = services.flags.create("SkeldercSemaphore");
  if (instance.handle && instance.alreadyExisted) {
    if (!arguments.empty() && !HandOverFile(arguments[0], services)) return 0;
    services.broadcaster.broadcast("SkeldercMessage");
    return 0;
  }

  const bool updateCheckMode = IsUpdateCheckMode(arguments);
  if (!updateCheckMode) host.showSplash();
  host.letSplashPaint();

  if (!HasOriginalName(services.executablePath, services.dialogs)) return 0;
  std::string teraTermExe;
  if (!TeraTermPresent(services.programFolder, services.dialogs, teraTermExe)) return 0;
  CleanTemporaryFiles(services.programFolder, services.dialogs);
  return host.runWindows(updateCheckMode);
}

void StartCompanionIfNeeded(StartupServices& services) {
  FlagCreation probe = services.flags.create("SkelderSemaphore");
  const bool running = probe.handle && probe.alreadyExisted;
  // The probe is let go before the companion starts, so that the companion finds its
  // own flag free.
  probe.handle.reset();
  if (running) return;
  const std::string path = ProgramFilePath(services.programFolder, "Skelder.exe");
  if (FileExists(path)) {
    services.starter.open(path, "", "");
  } else {
    services.dialogs.error("File '" + services.system.shellDisplayName(path) + "' not found.");
  }
}

bool HandOverFile(const std::string& path, StartupServices& services) {
  const std::string folder =
      EnsureProgramFolder(services.programFolder, "Temp_TTL", services.dialogs);
  if (folder.empty()) {
    services.dialogs.error("Failed to create temporary folder. The file cannot be imported.");
    return false;
  }
  const std::string copy = ProgramFilePath(folder, "~" + FileNameOf(path));
  std::error_code ec;
  fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);
  WriteParamName(services.store, copy);
  return true;
}

bool HasOriginalName(const std::string& executablePath, UserDialogs& dialogs) {
  if (UpperCase(FileNameOf(executablePath)) == UpperCase(OwnExecutableName())) return true;
  dialogs.error(
      "This application cannot be executed unless having the original name.\rPlease rename it "
      "to '" +
      OwnExecutableName() + "'");
  return false;
}

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
  // Iterative match with one backtracking point for the last "*".
  size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
  auto same = [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
  };
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

void CleanTemporaryFiles(const std::string& programFolder, UserDialogs& dialogs) {
  const std::string folder = EnsureProgramFolder(programFolder, "Temp_TTL", dialogs);
  if (folder.empty()) return;
  for (const char* pattern : {"~macroC*.ttl", "~TTiniC*.ini"}) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      if (it->is_directory(typeError)) continue;
      if (MatchesWildcard(it->path().filename().string(), pattern)) {
        std::error_code removeError;
        fs::remove(it->path(), removeError);  // a file that cannot be deleted is skipped
      }
    }
  }
}

}  // namespace skelder
