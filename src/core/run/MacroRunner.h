#pragma once
// The Run commands: the one pipeline that writes a run's settings file and macro file
// and starts Tera Term with both (or writes the macro to an export file), the run
// counter that numbers the temporary files, and the "Run all selected" batch.
#include <functional>
#include <string>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "core/run/KeywordHint.h"
#include "core/run/RunInputs.h"
#include "core/tree/ConnectionTree.h"
#include "platform/ProgramPaths.h"
#include "platform/ProgramStarter.h"
#include "platform/SystemInfo.h"
#include "platform/WindowArranger.h"

namespace skelder {

struct RunServices {
  UserDialogs& dialogs;
  ProgramStarter& starter;
  ProgramPaths& paths;  // the paths Tera Term is given
  WindowArranger& windows;
  const SystemInfo& system;
  const Clock& clock;
  std::string programFolder;  // Tera Term's folder, with its separator
};

// The four commands on the focused connection.
enum class RunCommand { RunToCursor, Run, RunBranchToCursor, RunBranch };

class MacroRunner {
 public:
  // The largest batch, and the number of temporary file pairs before one is reused.
  static constexpr int kMaxBatch = 128;

  explicit MacroRunner(RunServices services) : services_(std::move(services)) {}

  // The command on the focused node; false without one or when the run stopped.
  bool RunFocused(RunCommand command, const ConnectionTree& tree, const RunInputs& inputs);

  // The pipeline of every run and of the macro export. With an output file the macro is
  // written there and nothing else happens; otherwise the run takes the next number n,
  // writes "Temp_TTL/~TTiniC<n>.ini" and "Temp_TTL/~macroC<n>.ttl" and starts Tera Term
  // with them. Every failure shows its box; false when the run stopped.
  bool RunMacro(bool wholeMacro, bool withAncestors, const std::string& outputFile,
                const TreeNode& node, const ConnectionTree& tree, const RunInputs& inputs);

  // The macro text a run of the node would write, with the log line of a run, built by
  // the run's own code. It makes no folder, writes and starts nothing and shows no box:
  // the Logs folder is named where the run finds or makes it, or is the separator alone
  // when something else stands in its way (as the run is then left with). "$[1]".."$[8]"
  // go to inputs.askVariable (the input box when it is empty).
  std::string MacroText(bool wholeMacro, bool withAncestors, const TreeNode& node,
                        const RunInputs& inputs);

  // "Run all selected": every selected node in display order, whole macro with its
  // ancestors, each start followed by waitDelay (the gui's timer, which keeps the window
  // responsive). Refuses more than kMaxBatch nodes with its box; minimises the windows
  // before and tiles them after unless "Do not tile" is ticked. Nodes deleted during the
  // batch are skipped; a batch asked for while one runs does nothing. Returns the number
  // of runs that started Tera Term.
  int RunAllSelected(ConnectionTree& tree, const RunInputs& inputs,
                     const std::function<void()>& waitDelay);

  // Whether a "Run all selected" batch is under way.
  bool batchRunning() const { return batch_; }
  // The number the next run's files take (before it cycles back to 1).
  int runCounter() const { return counter_; }

  // The text of the keyword hint for a word of the editor (KeywordValueText), with the
  // values a run would use.
  std::string KeywordHint(const std::string& word, const TreeNode* focused,
                          const UserData& userData);

 private:
  int takeRunNumber();
  std::string teraTermExe() const;
  // The folder values of the keywords as Tera Term is given them; logs: the folder made
  // (empty when it could not be).
  KeywordValues keywordValues(const std::string& logs, const UserData& userData,
                              std::vector<std::string>* files = nullptr);
  // The text of every run and export, and of MacroText: the node's macro assembled and
  // substituted with the keyword values for the Logs folder (files: as in keywordValues).
  std::string macroText(bool wholeMacro, bool withAncestors, bool exportToFile,
                        const TreeNode& node, const RunInputs& inputs, const std::string& logs,
                        std::vector<std::string>* files = nullptr);

  RunServices services_;
  int counter_ = 1;
  bool batch_ = false;
};

}  // namespace skelder
