#include "core/check/TtlCodeLines.h"

namespace skelder {

TtlCodeLines::TtlCodeLines(const std::vector<std::string>& lines) {
  code_.reserve(lines.size());
  bool inComment = false;
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string code = lines[n];
    size_t i = 0;
    while (i < code.size()) {
      if (inComment) {
        const size_t end = code.find("*/", i);
        const size_t stop = end == std::string::npos ? code.size() : end + 2;
        code.replace(i, stop - i, stop - i, ' ');
        i = stop;
        inComment = end == std::string::npos;
        continue;
      }
      const char c = code[i];
      if (c == '\'' || c == '"') {
        const size_t close = code.find(c, i + 1);
        i = close == std::string::npos ? code.size() : close + 1;
      } else if (c == ';') {
        code.replace(i, code.size() - i, code.size() - i, ' ');
        i = code.size();
      } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
        unclosed_ = CommentStart{static_cast<int>(n) + 1, static_cast<int>(i) + 1};
        code[i] = code[i + 1] = ' ';
        i += 2;
        inComment = true;
      } else {
        ++i;
      }
    }
    if (!inComment) unclosed_.reset();
    code_.push_back(std::move(code));
  }
}

}  // namespace skelder
