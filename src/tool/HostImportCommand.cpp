#include "tool/HostImportCommand.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "core/app/SettingsStorage.h"
#include "core/base/Clock.h"
#include "core/base/ProgramFolder.h"
#include "core/hosts/HostConnections.h"
#include "core/hosts/HostImport.h"
#include "core/hosts/OpenSshConfig.h"
#include "core/hosts/PuttySessions.h"
#include "core/properties/ColorSchemas.h"
#include "core/properties/NodeProperties.h"
#include "core/run/KeywordSubstitution.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableFormat.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "tool/StderrDialogs.h"

namespace skelder {

namespace {

namespace fs = std::filesystem;

std::string Signature(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string signature(kSignatureLength, '\0');
  if (!in.read(signature.data(), kSignatureLength)) return {};
  return signature;
}

}  // namespace

int ImportHostsSubcommand(const std::vector<std::string>& arguments) {
  std::vector<std::string> operands;
  std::string folderOption;
  bool wrong = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--folder" && i + 1 < arguments.size())
      folderOption = arguments[++i];
    else if (arguments[i].compare(0, 2, "--") == 0)
      wrong = true;
    else
      operands.push_back(arguments[i]);
  }
  if (wrong || operands.size() != 2) {
    std::cerr << "usage: skeldertool import-hosts SOURCE TABLE [--folder DIR]\n";
    return 2;
  }
  const std::string& source = operands[0];
  const std::string& table = operands[1];
  Platform platform = CreatePlatform();
  const std::string folder =
      folderOption.empty()
          ? FolderOf(platform.system->executablePath())
          : WithTrailingSeparator(fs::absolute(folderOption).string(), PathSeparator());

  HostImportResult result = ReadHostSource(source, HomeFolder(), *CreatePuttySessionStore());
  if (!result.error.empty()) {
    std::cerr << result.error << '\n';
    return 1;
  }

  ConnectionTree tree;
  ResetTree(tree);
  StderrDialogs dialogs;
  TableFileHost host;
  TableFileContext context{tree, dialogs, *platform.system, host};
  std::error_code ec;
  if (fs::exists(table, ec)) {
    // Read as an import does, which never writes; an old-format table is the program's
    // to convert (it keeps a backup).
    if (Signature(table) == kOldTableSignature) {
      std::cerr << table << " is a table of the old format: open it in Skelderc once first\n";
      return 1;
    }
    if (!ReadTable(context, table, true)) return 1;
  }

  // Tera Term opens the key files as it sees them.
  KeyFilesAsTeraTermSeesThem(result, *platform.paths, ProgramFilePath(folder, "ttermpro.exe"));
  SettingsEnvironment environment;
  environment.programFolder = folder;
  environment.fileExists = FileExists;
  const Settings settings = LoadSettings(*platform.settings, environment);
  NewConnectionDefaults defaults;
  defaults.colors =
      SchemaColorString(settings.defaultColors, FindProgramFile(folder, "teraterm.ini"));
  defaults.startLogging = settings.logging.value_or(false);
  const std::string folderName = HostFolderName(source);
  const int taken = AddImportedHosts(tree, folderName, result, defaults,
                                     FormatLastUpdated(SystemClock().now(), EnglishNames()));
  const TreeNode* computer = tree.computerNode();
  std::cout << HostImportReport(result, taken > 0
                                            ? computer->child(computer->childCount() - 1)->data.Name
                                            : folderName)
            << std::flush;
  if (taken == 0) return 0;
  return WriteTable(context, table, true) ? 0 : 1;
}

}  // namespace skelder
