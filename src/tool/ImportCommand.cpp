#include "tool/ImportCommand.h"

#include <filesystem>
#include <iostream>

#include "core/base/Clock.h"
#include "core/base/ProgramFolder.h"
#include "core/properties/ColorSchemas.h"
#include "core/run/KeywordSubstitution.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "tool/StderrDialogs.h"

namespace skelder {

namespace fs = std::filesystem;

int ImportSubcommand(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  std::string folder;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--folder") {
      if (i + 1 >= arguments.size()) {
        std::cerr << "--folder needs a value\n";
        return 2;
      }
      folder = arguments[++i];
    } else {
      files.push_back(arguments[i]);
    }
  }
  if (files.size() < 2) return 2;
  const std::string table = files.front();
  files.erase(files.begin());

  Platform platform = CreatePlatform();
  const std::string programFolder =
      folder.empty() ? FolderOf(platform.system->executablePath())
                     : WithTrailingSeparator(fs::absolute(folder).string(), PathSeparator());
  const std::string teraTermColors =
      TeraTermIniColors(FindProgramFile(programFolder, "teraterm.ini"));
  ConnectionTree tree;
  ResetTree(tree);
  StderrDialogs dialogs;
  TableFileHost host;
  TableFileContext context{tree, dialogs, *platform.system, host};
  std::error_code ec;
  if (fs::exists(fs::symlink_status(table, ec)) && !ReadTable(context, table, false)) return 1;

  SystemClock clock;
  for (const std::string& file : files) {
    const int errorsBefore = dialogs.errorCount();
    const auto renamed = ImportFile(context, file, clock, teraTermColors);
    if (!renamed || dialogs.errorCount() > errorsBefore) return 1;
    if (const std::string message = ImportRenameMessage(*renamed); !message.empty())
      dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok, message);
  }
  return WriteTable(context, table, true) ? 0 : 1;
}

}  // namespace skelder
