#pragma once
// One thing the macro check found on a line of a TTL macro.
#include <string>
#include <vector>

namespace skelder {

// An error stops Tera Term's macro interpreter, or sends it somewhere the writer did not
// mean; a warning is something that may be right but rarely is.
enum class FindingSeverity { Error, Warning };

struct MacroFinding {
  int line = 0;    // counted from 1
  int column = 0;  // the first byte, counted from 1 (a tab is one column)
  int length = 0;  // bytes, at least 1
  FindingSeverity severity = FindingSeverity::Error;
  std::string message;  // plain words, without a full stop

  bool operator==(const MacroFinding& o) const {
    return line == o.line && column == o.column && length == o.length && severity == o.severity &&
           message == o.message;
  }
};

// "error" or "warning".
const char* SeverityText(FindingSeverity severity);

// "FILE:LINE:COLUMN: error: message", as compilers report.
std::string FindingLine(const std::string& file, const MacroFinding& finding);

bool HasErrors(const std::vector<MacroFinding>& findings);

}  // namespace skelder
