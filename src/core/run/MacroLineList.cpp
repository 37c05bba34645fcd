#include "core/run/MacroLineList.h"

namespace skelder {

void MacroLineList::load(const std::string& text) { lines_ = SplitLines(text); }

std::string MacroLineList::text() const {
  std::string result;
  for (const std::string& line : lines_) result += line + "\r\n";
  return result;
}

}  // namespace skelder
