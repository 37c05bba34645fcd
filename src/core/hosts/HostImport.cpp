#include "core/hosts/HostImport.h"

#include <cstdlib>
#include <vector>

#include "core/base/ProgramFolder.h"
#include "core/hosts/OpenSshConfig.h"
#include "core/hosts/PuttySessions.h"
#include "platform/ProgramPaths.h"

namespace skelder {

HostImportResult ReadHostSource(const std::string& source, const std::string& homeFolder,
                                const PuttySessionStore& putty) {
  return source == "putty" ? ReadPuttySessions(putty) : ReadOpenSshConfig(source, homeFolder);
}

std::string HomeFolder() {
#ifdef _WIN32
  const char* home = std::getenv("USERPROFILE");
#else
  const char* home = std::getenv("HOME");
#endif
  return home ? home : "";
}

void KeyFilesAsTeraTermSeesThem(HostImportResult& result, ProgramPaths& paths,
                                const std::string& teraTermExe) {
  std::vector<std::string> keys;
  for (const ImportedHost& imported : result.hosts)
    if (!imported.keyFile.empty()) keys.push_back(imported.keyFile);
  if (keys.empty()) return;
  const std::vector<std::string> seen = paths.pathsFor(teraTermExe, keys);
  size_t next = 0;
  for (ImportedHost& imported : result.hosts)
    if (!imported.keyFile.empty() && next < seen.size()) imported.keyFile = seen[next++];
}

std::string HostFolderName(const std::string& source) {
  return source == "putty" ? std::string("PuTTY sessions") : "OpenSSH " + FileNameOf(source);
}

std::string HostImportReport(const HostImportResult& result, const std::string& folderName) {
  std::string report = std::to_string(result.taken) + (result.taken == 1 ? " host" : " hosts") +
                       " taken from " + result.source;
  if (result.taken > 0) report += " into \"" + folderName + "\"";
  report += '\n';
  for (const SkippedHost& skipped : result.skipped)
    report += "skipped " + skipped.entry + ": " + skipped.reason + '\n';
  return report;
}

}  // namespace skelder
