#pragma once
// The code of a TTL macro's lines: every comment ("; ..." to the end of the line and
// "/* ... */", which may span lines) turned into blanks, so that the columns stay, while
// quotes ('...' and "...") keep their content. A quote left open ends with its line.
#include <optional>
#include <string>
#include <vector>

namespace skelder {

struct CommentStart {
  int line = 0;    // counted from 1
  int column = 0;  // counted from 1
};

class TtlCodeLines {
 public:
  explicit TtlCodeLines(const std::vector<std::string>& lines);

  const std::vector<std::string>& lines() const { return code_; }
  // Where a "/*" opened that no "*/" closed.
  const std::optional<CommentStart>& unclosedComment() const { return unclosed_; }

 private:
  std::vector<std::string> code_;
  std::optional<CommentStart> unclosed_;
};

}  // namespace skelder
