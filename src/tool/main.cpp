// skeldertool: connection tables on the command line.
//
//   skeldertool dump TABLE        prints the table as JSON, reading it as an import does
//   skeldertool build JSON TABLE  writes a table from such JSON, as Save does
//   skeldertool import TABLE FILE...  imports tables and .BRF files into TABLE
//                                 (tool/ImportCommand.h)
//   skeldertool macro ...         prints or exports the macro a run would execute
//   skeldertool run ...           runs connections in Tera Term (tool/MacroSubcommands.h)
//   skeldertool check-updates ... compares the installed versions with the latest ones
//                                 (tool/UpdateCommand.h)
//   skeldertool check ...         checks the macro a run would execute (tool/MacroSubcommands.h)
//   skeldertool check-ttl ...     checks macro files (tool/CheckCommands.h)
//   skeldertool import-hosts ...  adds the hosts of OpenSSH or PuTTY (tool/HostImportCommand.h)
//   skeldertool --version         prints "skeldertool" and the version
//
// Exit status 0 on success, 1 when the table cannot be read or written (the reader's or
// writer's own message on standard error), 2 for a wrong command line.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/integration/VersionLines.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableFormat.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "tool/CheckCommands.h"
#include "tool/HostImportCommand.h"
#include "tool/ImportCommand.h"
#include "tool/MacroSubcommands.h"
#include "tool/StderrDialogs.h"
#include "tool/TableJson.h"
#include "tool/TemplateCommands.h"
#include "tool/UpdateCommand.h"

namespace skelder {
namespace {

#ifdef _WIN32
constexpr bool kCodePageBytes = true;  // the ANSI code page is not UTF-8
#else
constexpr bool kCodePageBytes = false;
#endif

int Usage() {
  std::cerr << "usage: skeldertool dump TABLE\n"
               "       skeldertool build JSON TABLE\n"
               "       skeldertool import TABLE FILE... [--folder DIR]\n"
               "       skeldertool macro TABLE PATH [--branch] [--to-line N] [--export FILE]\n"
               "                         [--var N=VALUE]... [--folder DIR]\n"
               "       skeldertool run TABLE PATH... [--branch] [--var N=VALUE]... [--folder DIR]\n"
               "                       [--count N] [--delay SECONDS]\n"
               "       skeldertool templates FILE\n"
               "       skeldertool check-updates [--folder DIR]\n"
               "       skeldertool check TABLE [PATH] [--branch] [--folder DIR]\n"
               "       skeldertool check-ttl FILE... [--folder DIR]\n"
               "       skeldertool import-hosts SOURCE TABLE [--folder DIR]\n"
               "       skeldertool --version\n";
  return 2;
}

// Whether the file begins with the signature of one of the two table formats.
bool HasTableSignature(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string signature(kSignatureLength, '\0');
  if (!in.read(signature.data(), kSignatureLength)) return false;
  return signature == kTableSignature || signature == kOldTableSignature;
}

int Dump(const std::string& path) {
  Platform platform = CreatePlatform();
  ConnectionTree tree;
  ResetTree(tree);
  StderrDialogs dialogs;
  TableFileHost host;
  TableFileContext context{tree, dialogs, *platform.system, host};
  // Reading as an import never writes, not even for an old-format file.
  const bool read = ReadTable(context, path, true);
  // After a valid signature the only failure is inconsistent data: show what was read.
  // The nodes are in the current format (old colour strings converted), and so is "format".
  if (read || HasTableSignature(path)) WriteTableJson(std::cout, tree, kTableSignature);
  std::cout.flush();
  return read && std::cout ? 0 : 1;
}

int Build(const std::string& jsonPath, const std::string& tablePath) {
  std::ifstream in(jsonPath, std::ios::binary);
  if (!in) {
    std::cerr << "Cannot read the file " << jsonPath << '\n';
    return 1;
  }
  nlohmann::json description;
  try {
    description = nlohmann::json::parse(in);
  } catch (const nlohmann::json::exception& e) {
    std::cerr << jsonPath << ": " << e.what() << '\n';
    return 1;
  }
  Platform platform = CreatePlatform();
  ConnectionTree tree;
  ResetTree(tree);
  std::string error;
  if (!AddNodesFromJson(description, tree, kCodePageBytes, error)) {
    std::cerr << jsonPath << ": " << error << '\n';
    return 1;
  }
  StderrDialogs dialogs;
  TableFileHost host;
  TableFileContext context{tree, dialogs, *platform.system, host};
  return WriteTable(context, tablePath, true) ? 0 : 1;
}

}  // namespace
}  // namespace skelder

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "dump" && argc == 3) return skelder::Dump(argv[2]);
  if (command == "build" && argc == 4) return skelder::Build(argv[2], argv[3]);
  if (command == "--version" && argc == 2) {
    std::cout << "skeldertool " << skelder::VersionText(skelder::ProgramVersion()) << '\n';
    return 0;
  }
  const std::vector<std::string> arguments(argv + std::min(argc, 2), argv + argc);
  int status = 2;
  if (command == "macro") status = skelder::MacroSubcommand(arguments);
  if (command == "import") status = skelder::ImportSubcommand(arguments);
  if (command == "run") status = skelder::RunSubcommand(arguments);
  if (command == "templates") status = skelder::TemplatesSubcommand(arguments);
  if (command == "check-updates") return skelder::CheckUpdatesSubcommand(arguments);
  if (command == "check") return skelder::CheckSubcommand(arguments);
  if (command == "check-ttl") return skelder::CheckTtlSubcommand(arguments);
  if (command == "import-hosts") return skelder::ImportHostsSubcommand(arguments);
  return status == 2 ? skelder::Usage() : status;
}
