#include "core/check/MacroFinding.h"

#include <algorithm>

namespace skelder {

const char* SeverityText(FindingSeverity severity) {
  return severity == FindingSeverity::Error ? "error" : "warning";
}

std::string FindingLine(const std::string& file, const MacroFinding& finding) {
  return file + ":" + std::to_string(finding.line) + ":" + std::to_string(finding.column) + ": " +
         SeverityText(finding.severity) + ": " + finding.message;
}

bool HasErrors(const std::vector<MacroFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(), [](const MacroFinding& finding) {
    return finding.severity == FindingSeverity::Error;
  });
}

}  // namespace skelder
