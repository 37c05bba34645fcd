#include "tool/MacroSubcommands.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <thread>

#include "core/app/SettingsRunInputs.h"
#include "core/app/SettingsStorage.h"
#include "core/base/Clock.h"
#include "core/base/ProgramFolder.h"
#include "core/check/RunMacroCheck.h"
#include "core/run/MacroRunner.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"
#include "tool/CheckCommands.h"
#include "tool/TerminalDialogs.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace skelder {

namespace {

namespace fs = std::filesystem;

// The screen the editor font's height is worked out for.
constexpr int kPixelsPerInch = 96;

struct Options {
  std::vector<std::string> operands;  // TABLE PATH...
  bool branch = false;
  std::optional<int> toLine;
  std::string exportFile;
  std::map<std::string, std::string> variables;  // "$[1]" -> value
  std::string folder;
  int count = 1;
  std::optional<int> delay;
};

std::optional<int> Number(const std::string& text, int least) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int value = std::stoi(text);
  return value >= least ? std::optional<int>(value) : std::nullopt;
}

// Reads the options the command allows; false after a message on standard error.
bool ParseOptions(const std::vector<std::string>& arguments, const std::set<std::string>& allowed,
                  Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.compare(0, 2, "--") != 0) {
      options.operands.push_back(argument);
      continue;
    }
    if (!allowed.count(argument)) {
      std::cerr << "unknown option " << argument << '\n';
      return false;
    }
    if (argument == "--branch") {
      options.branch = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      std::cerr << argument << " needs a value\n";
      return false;
    }
    const std::string& value = arguments[++i];
    std::optional<int> number;
    if (argument == "--export") {
      options.exportFile = value;
    } else if (argument == "--folder") {
      options.folder = value;
    } else if (argument == "--var") {
      const auto equals = value.find('=');
      const std::string n = value.substr(0, equals);
      if (equals == std::string::npos || n.size() != 1 || n[0] < '1' || n[0] > '8') {
        std::cerr << "--var takes N=VALUE with N from 1 to 8\n";
        return false;
      }
      options.variables["$[" + n + "]"] = value.substr(equals + 1);
    } else if (!(number = Number(value, argument == "--delay" ? 0 : 1))) {
      std::cerr << argument << " takes a whole number" << (argument == "--delay" ? "" : " from 1")
                << '\n';
      return false;
    } else if (argument == "--to-line") {
      options.toLine = number;
    } else if (argument == "--count") {
      options.count = *number;
    } else {
      options.delay = number;
    }
  }
  return true;
}

// The names of a node path: "/A/B" gives A and B; "\/" is a "/" within a name, "\\" a "\".
std::vector<std::string> PathNames(const std::string& path) {
  std::vector<std::string> names;
  std::string name;
  std::size_t i = !path.empty() && path[0] == '/' ? 1 : 0;
  if (i == path.size()) return names;
  for (; i < path.size(); ++i) {
    if (path[i] == '\\' && i + 1 < path.size() && (path[i + 1] == '/' || path[i + 1] == '\\')) {
      name += path[++i];
    } else if (path[i] == '/') {
      names.push_back(name);
      name.clear();
    } else {
      name += path[i];
    }
  }
  names.push_back(name);
  return names;
}

// The first node along the path's names below the ComputerNode; null when there is none.
TreeNode* FindNode(const ConnectionTree& tree, const std::string& path) {
  TreeNode* node = tree.computerNode();
  for (const std::string& name : PathNames(path)) {
    TreeNode* found = nullptr;
    for (int row = 0; node && row < node->childCount() && !found; ++row)
      if (node->child(row)->data.Name == name) found = node->child(row);
    node = found;
  }
  return node;
}

// The path of a node as PathNames reads it.
std::string NodePath(const TreeNode* node) {
  std::string path;
  for (; node && node->parent(); node = node->parent()) {
    std::string name;
    for (const char c : node->data.Name) {
      if (c == '/' || c == '\\') name += '\\';
      name += c;
    }
    path = "/" + name + path;
  }
  return path;
}

bool IsBlank(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

// What both commands work with: the platform, the table, the settings and the runner.
class ToolRun {
 public:
  // False after a message when the table or a node cannot be had.
  bool open(const Options& options) {
    const std::string& table = options.operands[0];
    folder_ = options.folder.empty()
                  ? FolderOf(platform_.system->executablePath())
                  : WithTrailingSeparator(fs::absolute(options.folder).string(), PathSeparator());
    ResetTree(tree_);
    TableFileHost host;
    TableFileContext context{tree_, dialogs_, *platform_.system, host};
    // Reading as an import never writes, not even for an old-format file.
    if (!ReadTable(context, table, true)) return false;
    for (std::size_t i = 1; i < options.operands.size(); ++i) {
      const std::string& path = options.operands[i];
      TreeNode* node = FindNode(tree_, path);
      if (!node) {
        std::cerr << "No connection \"" << path << "\" in " << table << '\n';
        return false;
      }
      if (node == tree_.computerNode() || IsSeparator(node)) {
        std::cerr << '"' << path << "\" is not a connection\n";
        return false;
      }
      if (IsBlank(DecodeNodeText(node->data.Macro))) {
        std::cerr << "The connection \"" << path << "\" has no macro\n";
        return false;
      }
      nodes_.push_back(node);
    }

    SettingsEnvironment environment;
    environment.programFolder = folder_;
    environment.fileExists = [](const std::string& path) {
      std::error_code ec;
      return fs::is_regular_file(path, ec);
    };
    settings_ = LoadSettings(*platform_.settings, environment);
    inputs_ = RunInputsFromSettings(
        settings_, FontHeightFromPoints(settings_.editorFont.size, kPixelsPerInch));
    inputs_.askVariable = [this, variables = options.variables](const std::string& keyword) {
      const auto given = variables.find(keyword);
      return given != variables.end() ? given->second : AskVariable(keyword, dialogs_);
    };
    runner_.emplace(RunServices{dialogs_, *platform_.starter, *platform_.paths, *platform_.windows,
                                *platform_.system, clock_, folder_});
    return true;
  }

  // The node to run on its own, as the focused node with its pages unchanged.
  void focus(TreeNode* node, std::optional<int> toLine) {
    tree_.setFocusedNode(node);
    inputs_.editorText = DecodeNodeText(node->data.Macro);
    inputs_.caretLine = toLine ? *toLine - 1 : 0;
    inputs_.logSession = node->data.StartLogging != 0;
  }

  ConnectionTree& tree() { return tree_; }
  const std::string& folder() const { return folder_; }
  const std::vector<TreeNode*>& nodes() const { return nodes_; }
  const Settings& settings() const { return settings_; }
  const RunInputs& inputs() const { return inputs_; }
  MacroRunner& runner() { return *runner_; }

 private:
  Platform platform_ = CreatePlatform();
  TerminalDialogs dialogs_;
  SystemClock clock_;
  std::string folder_;
  ConnectionTree tree_;
  std::vector<TreeNode*> nodes_;
  Settings settings_;
  RunInputs inputs_;
  std::optional<MacroRunner> runner_;
};

}  // namespace

int MacroSubcommand(const std::vector<std::string>& arguments) {
  Options options;
  if (!ParseOptions(arguments, {"--branch", "--to-line", "--export", "--var", "--folder"}, options))
    return 2;
  if (options.operands.size() != 2) return 2;
  ToolRun run;
  if (!run.open(options)) return 1;
  TreeNode* node = run.nodes().front();
  run.focus(node, options.toLine);
  const bool wholeMacro = !options.toLine;
  if (!options.exportFile.empty())
    return run.runner().RunMacro(wholeMacro, options.branch, options.exportFile, *node, run.tree(),
                                 run.inputs())
               ? 0
               : 1;
  const std::string text = run.runner().MacroText(wholeMacro, options.branch, *node, run.inputs());
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the lines end with CR LF already
#endif
  std::cout << text << std::flush;
  return std::cout ? 0 : 1;
}

int RunSubcommand(const std::vector<std::string>& arguments) {
  Options options;
  if (!ParseOptions(arguments, {"--branch", "--var", "--folder", "--count", "--delay"}, options))
    return 2;
  if (options.operands.size() < 2) return 2;
  ToolRun run;
  if (!run.open(options)) return 1;
  const std::vector<TreeNode*>& nodes = run.nodes();
  if (nodes.size() == 1) {
    run.focus(nodes.front(), std::nullopt);
    for (int i = 0; i < options.count; ++i)
      if (!run.runner().RunMacro(true, options.branch, "", *nodes.front(), run.tree(),
                                 run.inputs()))
        return 1;
    return 0;
  }
  ConnectionTree& tree = run.tree();
  tree.clearSelection();
  for (TreeNode* node : nodes) tree.setSelected(node, true);
  const auto delay =
      std::chrono::seconds(options.delay.value_or(run.settings().multiStartSeconds()));
  const int selected = tree.selectedCount();  // a path named twice runs once
  for (int i = 0; i < options.count; ++i)
    if (run.runner().RunAllSelected(tree, run.inputs(),
                                    [delay] { std::this_thread::sleep_for(delay); }) != selected)
      return 1;
  return 0;
}

int CheckSubcommand(const std::vector<std::string>& arguments) {
  Options options;
  if (!ParseOptions(arguments, {"--branch", "--folder"}, options) || options.operands.empty() ||
      options.operands.size() > 2) {
    std::cerr << "usage: skeldertool check TABLE [PATH] [--branch] [--folder DIR]\n";
    return 2;
  }
  ToolRun run;
  if (!run.open(options)) return 2;
  std::vector<TreeNode*> nodes = run.nodes();
  if (nodes.empty()) {
    // Every connection with a macro, in the order of the tree.
    std::vector<TreeNode*> pending{run.tree().computerNode()};
    while (!pending.empty()) {
      TreeNode* node = pending.back();
      pending.pop_back();
      if (node != run.tree().computerNode() && !IsSeparator(node) &&
          !IsBlank(DecodeNodeText(node->data.Macro)))
        nodes.push_back(node);
      for (int row = node->childCount() - 1; row >= 0; --row) pending.push_back(node->child(row));
    }
  }
  KeywordStore keywords;
  LoadCheckKeywords(run.folder(), keywords);
  const MacroChecker checker(keywords);
  bool errors = false;
  for (TreeNode* node : nodes) {
    run.focus(node, std::nullopt);
    const std::vector<MacroFinding> findings =
        CheckRunMacro(run.runner(), *node, options.branch, run.inputs(), checker);
    PrintFindings(options.operands[0] + "(" + NodePath(node) + ")", findings);
    errors = errors || HasErrors(findings);
  }
  std::cout << std::flush;
  return errors ? 1 : 0;
}

}  // namespace skelder
