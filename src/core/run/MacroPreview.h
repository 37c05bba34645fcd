#pragma once
// What the "Preview" page shows of the focused connection: the macro "Run" would execute
// now and, when "Run branch" is offered, the macro it would execute, both built by the
// run's own code (MacroRunner::MacroText) without asking for "$[1]".."$[8]": those stay
// as written and are listed instead.
#include <string>
#include <vector>

#include "core/run/MacroRunner.h"

namespace skelder {

// The TTL comment line that stands between the two macros.
extern const char* const kBranchHeading;

struct MacroPreview {
  std::string run;  // what "Run" writes into its macro file
  bool branchOffered = false;
  std::string branch;  // what "Run branch" writes, when it is offered
  // The variables a run would ask for, "$[1]".."$[8]" in number order, each once.
  std::vector<std::string> variables;

  // The run's macro, then the heading line and the branch's macro when it is offered.
  std::string text() const;
};

// The preview of the node (the focused one, as the inputs show it) as the runner would
// run it now. Makes no folder, writes, starts and asks nothing.
MacroPreview PreviewMacro(MacroRunner& runner, const TreeNode& node, RunInputs inputs);

// "Asked at run time: $[1], $[3]"; empty without variables.
std::string VariablesNote(const std::vector<std::string>& variables);

}  // namespace skelder
