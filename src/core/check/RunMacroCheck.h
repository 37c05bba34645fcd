#pragma once
// The check of what a run of a connection would execute: the macro as the Run commands
// assemble it (with the ancestors' macros for a branch, the keywords replaced and the
// log line added), checked by the macro checker. The lines of the findings are those of
// that text, as MacroRunner::MacroText gives it.
#include <vector>

#include "core/check/MacroChecker.h"
#include "core/run/MacroRunner.h"

namespace skelder {

// Asks for nothing: a "$[n]" keyword stays as it is. Makes the "Logs" folder as a run
// does.
std::vector<MacroFinding> CheckRunMacro(MacroRunner& runner, const TreeNode& node,
                                        bool withAncestors, RunInputs inputs,
                                        const MacroChecker& checker);

}  // namespace skelder
