#include "core/run/MacroPreview.h"

#include <algorithm>

#include "core/run/MacroAssembly.h"

namespace skelder {

const char* const kBranchHeading = "; ---------- Run branch ----------\r\n";

std::string MacroPreview::text() const {
  return branchOffered ? run + kBranchHeading + branch : run;
}

MacroPreview PreviewMacro(MacroRunner& runner, const TreeNode& node, RunInputs inputs) {
  MacroPreview preview;
  std::vector<std::string>& asked = preview.variables;
  // Each variable is "replaced" by itself, so the text shows where the value will go.
  inputs.askVariable = [&asked](const std::string& keyword) {
    if (std::find(asked.begin(), asked.end(), keyword) == asked.end()) asked.push_back(keyword);
    return keyword;
  };
  preview.run = runner.MacroText(true, false, node, inputs);
  preview.branchOffered = BranchRunOffered(node);
  if (preview.branchOffered) preview.branch = runner.MacroText(true, true, node, inputs);
  std::sort(asked.begin(), asked.end());
  return preview;
}

std::string VariablesNote(const std::vector<std::string>& variables) {
  std::string note;
  for (const std::string& variable : variables)
    note += (note.empty() ? "Asked at run time: " : ", ") + variable;
  return note;
}

}  // namespace skelder
