#include "tool/UpdateCommand.h"

#include <chrono>
#include <filesystem>
#include <iostream>

#include "core/base/ProgramFolder.h"
#include "core/integration/InstalledVersions.h"
#include "core/integration/UpdateCheck.h"
#include "core/integration/UpdateTexts.h"
#include "core/run/KeywordSubstitution.h"
#include "platform/Platform.h"
#include "platform/ThreadedDownloader.h"

namespace skelder {

namespace {

// The window's timer.
constexpr std::chrono::milliseconds kTick{250};

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

}  // namespace

int CheckUpdatesSubcommand(const std::vector<std::string>& arguments) {
  std::string folderOption;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--folder" && i + 1 < arguments.size()) {
      folderOption = arguments[++i];
    } else {
      std::cerr << "check-updates takes only --folder DIR\n";
      return 2;
    }
  }
  Platform platform = CreatePlatform();
  const std::string folder =
      folderOption.empty() ? FolderOf(platform.system->executablePath())
                           : WithTrailingSeparator(std::filesystem::absolute(folderOption).string(),
                                                   PathSeparator());

  ThreadedDownloader downloader(*platform.http);
  LatestVersions latest;
  UpdateCheck check(downloader, *platform.settings, latest, UpdateAddressesFromEnvironment());
  check.begin(InstalledTeraTermVersion(*platform.system, folder),
              InstalledProductVersion(*platform.system));
  while (!check.done()) {
    downloader.deliverReport(kTick);
    check.tick();
  }

  std::cout << "TeraTerm installed: " << check.teraTermInstalled() << '\n'
            << "TeraTerm latest: " << check.teraTermLatest().text << '\n'
            << "Skelder installed: " << check.productInstalled() << '\n'
            << "Skelder latest: " << check.productLatest().text << '\n'
            << WithLineFeeds(check.results()) << '\n'
            << std::flush;
  if (check.failed()) {
    std::cerr << "download failed: " << check.failure() << '\n';
    return 2;
  }
  if (check.teraTermLatest().state == LatestState::Link ||
      check.productLatest().state == LatestState::Link)
    return 1;
  if (check.teraTermLatest().text == kUnreadableVersion ||
      check.productLatest().text == kUnreadableVersion)
    return 2;
  return 0;
}

}  // namespace skelder
