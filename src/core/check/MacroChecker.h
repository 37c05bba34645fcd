#pragma once
// The check of a TTL macro before it runs. It reports, each with its line and columns:
//   - a line that begins with a word that is neither a command of the keyword file nor
//     a variable being assigned ("name = ...", "name[i] = ...");
//   - blocks that do not pair: if/elseif/else/endif (with "then" ending the line of a
//     block's "if" and of every "elseif"; an "if" line without it is the one-line form,
//     which has no "endif"), for/next, while/endwhile, do/loop and until/enduntil: an
//     unclosed block at its opening line, a closer without its opener where it stands;
//   - a string ('...' or "...") that its line does not close, and a "/*" comment that
//     nothing closes;
//   - "goto" or "call" to a label no line defines (a warning only when the macro
//     includes other files, which may define it), a label defined twice, and "return"
//     before any label (a warning: no call can lead there).
// Words, labels and commands are matched without regard to letter case, as Tera Term
// does. Without keywords (no keyword file) commands are not checked.
#include <string>
#include <vector>

#include "core/check/MacroFinding.h"
#include "core/editor/KeywordStore.h"

namespace skelder {

class MacroChecker {
 public:
  explicit MacroChecker(const KeywordStore& keywords) : keywords_(keywords) {}

  // The findings in the macro text (lines ending with CR LF, LF or CR), ordered by line
  // and column.
  std::vector<MacroFinding> Check(const std::string& text) const;

 private:
  const KeywordStore& keywords_;
};

}  // namespace skelder
