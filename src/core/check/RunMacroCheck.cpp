#include "core/check/RunMacroCheck.h"

namespace skelder {

std::vector<MacroFinding> CheckRunMacro(MacroRunner& runner, const TreeNode& node,
                                        bool withAncestors, RunInputs inputs,
                                        const MacroChecker& checker) {
  inputs.askVariable = [](const std::string& keyword) { return keyword; };
  return checker.Check(runner.MacroText(true, withAncestors, node, inputs));
}

}  // namespace skelder
