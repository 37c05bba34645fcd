#include "core/run/MacroLineList.h"

namespace skelder {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    begin = end + 1;
  }
  return lines;
}

void MacroLineList::load(const std::string& text) { lines_ = SplitLines(text); }

std::string MacroLineList::text() const {
  std::string result;
  for (const std::string& line : lines_) result += line + "\r\n";
  return result;
}

}  // namespace skelder
