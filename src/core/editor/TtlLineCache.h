#pragma once
// Restyling a long line after an edit without scanning all of it again: the text of
// one line is kept with the starts of its tokens, and a later scan of a line that
// begins with the same bytes resumes at the last token start that the change cannot
// have moved or re-classified (TtlScanner::Reach bytes before it, and before any blanks
// that may have become trailing ones).
#include <string>
#include <vector>

#include "core/editor/TtlScanner.h"

namespace skelder {

class TtlLineCache {
 public:
  // Where a scan of the line may start and give the tokens that a scan of the whole
  // line gives from there on, when the line's first `unchanged` bytes still carry the
  // styles of an earlier scan; 0 unless the line begins as the kept one does.
  std::size_t resumePoint(const std::string& line, std::size_t unchanged, std::size_t reach) const;

  // Scans the line from `from` (0, or the resume point for this line) to its end,
  // calling onToken(length, kind) for every token, and keeps the line.
  template <typename OnToken>
  void scan(TtlScanner& scanner, const std::string& line, std::size_t from, OnToken onToken) {
    keepStartsBefore(from);
    for (scanner.StartLine(line, from); !scanner.AtEndOfLine(); scanner.Next()) {
      starts_.push_back(static_cast<std::size_t>(scanner.TokenStart()));
      onToken(scanner.TokenLength(), scanner.Kind());
    }
    text_ = line;
  }

  void clear();

 private:
  void keepStartsBefore(std::size_t from);

  std::string text_;
  std::vector<std::size_t> starts_;  // ascending
};

}  // namespace skelder
