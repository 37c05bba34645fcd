#include "core/run/MacroRunner.h"

#include <algorithm>
#include <filesystem>

#include "core/base/ProgramFolder.h"
#include "core/run/BatchNodes.h"
#include "core/run/MacroAssembly.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"

namespace skelder {

namespace {

namespace fs = std::filesystem;

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

// Clears a flag when the scope ends, however it ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

bool MacroRunner::RunFocused(RunCommand command, const ConnectionTree& tree,
                             const RunInputs& inputs) {
  const TreeNode* node = tree.focusedNode();
  if (!node) return false;
  const bool wholeMacro = command == RunCommand::Run || command == RunCommand::RunBranch;
  const bool withAncestors =
      command == RunCommand::RunBranch || command == RunCommand::RunBranchToCursor;
  return RunMacro(wholeMacro, withAncestors, "", *node, tree, inputs);
}

bool MacroRunner::RunMacro(bool wholeMacro, bool withAncestors, const std::string& outputFile,
                           const TreeNode& node, const ConnectionTree& tree,
                           const RunInputs& inputs) {
  UserDialogs& dialogs = services_.dialogs;
  std::string exe;
  if (!TeraTermPresent(services_.programFolder, dialogs, exe)) return false;
  const std::string logs = EnsureProgramFolder(services_.programFolder, "Logs", dialogs);
  const std::string temporary = EnsureProgramFolder(services_.programFolder, "Temp_TTL", dialogs);

  const bool exportToFile = !outputFile.empty();
  std::string macroFile = outputFile;
  std::string settingsFile;
  if (!exportToFile) {
    if (temporary.empty()) {
      dialogs.error("Failed to create Temp_TTL directory. Cannot execute the macro.");
      return false;
    }
    const std::string number = std::to_string(takeRunNumber());
    settingsFile = ProgramFilePath(temporary, "~TTiniC" + number + ".ini");
    macroFile = ProgramFilePath(temporary, "~macroC" + number + ".ttl");
    TerminalColors colors;
    colors.node = &node;
    colors.focused = tree.focusedNode();
    colors.batch = batch_;
    colors.pendingEdits = inputs.pendingEdits;
    colors.workingColors = inputs.workingColors;
    if (!WriteTerminalSettings(services_.programFolder, settingsFile, colors, inputs.terminal,
                               dialogs))
      return false;
  }

  // Tera Term is given the two files and the keywords' folders in its own form of paths.
  std::vector<std::string> files = {settingsFile, macroFile};
  const std::string text = macroText(wholeMacro, withAncestors, exportToFile, node, inputs, logs,
                                     exportToFile ? nullptr : &files);
  if (const std::error_code error = ReplaceFileBytes(macroFile, text)) {
    dialogs.error(FileCreateErrorText(macroFile, error));
    return false;
  }
  if (!exportToFile)
    services_.starter.open(exe, " /F=\"" + files[0] + "\"  /M=\"" + files[1] + "\"", "");
  return true;
}

std::string MacroRunner::MacroText(bool wholeMacro, bool withAncestors, const TreeNode& node,
                                   const RunInputs& inputs) {
  // Where the run will find the folder or make it; it cannot make one where a file stands.
  const std::string logs = ProgramFilePath(services_.programFolder, "Logs");
  std::error_code error;
  const bool usable = fs::is_directory(logs, error) || !fs::exists(logs, error);
  return macroText(wholeMacro, withAncestors, false, node, inputs, usable ? logs : "");
}

int MacroRunner::RunAllSelected(ConnectionTree& tree, const RunInputs& inputs,
                                const std::function<void()>& waitDelay) {
  if (batch_) return 0;
  if (tree.selectedCount() > kMaxBatch) {
    services_.dialogs.messageBox(MessageKind::Information, MessageButtons::Ok,
                                 "You can not run more than " + std::to_string(kMaxBatch) +
                                     " connections at the same time.");
    return 0;
  }
  if (!inputs.doNotTile) services_.windows.minimizeAll();
  int started = 0;
  {
    FlagScope batch(batch_);
    BatchNodes nodes(tree);
    while (const TreeNode* node = nodes.takeNext()) {
      if (RunMacro(true, true, "", *node, tree, inputs)) ++started;
      if (waitDelay) waitDelay();
    }
  }
  if (!inputs.doNotTile) services_.windows.tileHorizontally();
  return started;
}

std::string MacroRunner::KeywordHint(const std::string& word, const TreeNode* focused,
                                     const UserData& userData) {
  const KeywordValues values = keywordValues({}, userData);
  HintValues hint;
  hint.userName = values.userName;
  hint.userData = userData;
  hint.programFolder = values.programFolder;
  hint.windowsFolder = values.windowsFolder;
  hint.logsFolder = [this, &userData] {
    const std::string logs =
        EnsureProgramFolder(services_.programFolder, "Logs", services_.dialogs);
    return keywordValues(logs, userData).logsFolder;
  };
  return KeywordValueText(word, focused, hint, services_.clock);
}

int MacroRunner::takeRunNumber() {
  if (counter_ > kMaxBatch) counter_ = 1;
  return counter_++;
}

std::string MacroRunner::teraTermExe() const {
  return ProgramFilePath(services_.programFolder, "ttermpro.exe");
}

KeywordValues MacroRunner::keywordValues(const std::string& logs, const UserData& userData,
                                         std::vector<std::string>* files) {
  const std::string exe = teraTermExe();
  std::vector<std::string> paths = {WithoutTrailingSeparator(services_.programFolder),
                                    services_.system.windowsFolder()};
  if (!logs.empty()) paths.push_back(logs);
  if (files) paths.insert(paths.end(), files->begin(), files->end());
  const std::vector<std::string> forms = services_.paths.pathsFor(exe, paths);
  const std::vector<std::string>& given = forms.size() == paths.size() ? forms : paths;
  const char separator = services_.paths.separatorFor(exe);

  KeywordValues values;
  values.userName = services_.system.userName();
  values.userData = userData;
  values.programFolder = WithTrailingSeparator(given[0], separator);
  values.windowsFolder = WithTrailingSeparator(given[1], separator);
  values.logsFolder = logs.empty() ? std::string(1, separator) : given[2] + separator;
  if (files)
    std::copy(given.end() - static_cast<std::ptrdiff_t>(files->size()), given.end(),
              files->begin());
  return values;
}

std::string MacroRunner::macroText(bool wholeMacro, bool withAncestors, bool exportToFile,
                                   const TreeNode& node, const RunInputs& inputs,
                                   const std::string& logs, std::vector<std::string>* files) {
  const KeywordValues values = keywordValues(logs, inputs.userData, files);
  EditorText editor;
  editor.pendingEdits = inputs.pendingEdits;
  editor.text = inputs.editorText;
  if (!wholeMacro) editor.toCursor = CaptureTextToCursor(inputs.editorText, inputs.caretLine);
  MacroLineList lines;
  SubstitutionRun run;
  run.branchName = AssembleMacro(node, wholeMacro, withAncestors, editor, lines);
  run.wholeMacro = wholeMacro;
  run.exportToFile = exportToFile;
  // A batch runs connections that are not on the pages: each logs as it is stored.
  run.logSession = batch_ ? node.data.StartLogging != 0 : inputs.logSession;
  UserDialogs& dialogs = services_.dialogs;
  const VariableAsker ask =
      inputs.askVariable ? inputs.askVariable
                         : [&dialogs](const std::string& k) { return AskVariable(k, dialogs); };
  SubstituteKeywords(lines, run, values, services_.clock, ask);
  return lines.text();
}

}  // namespace skelder
