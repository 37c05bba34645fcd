// The macro check on any macro text: findings in order of line and column, each inside
// the text's lines and at least one byte long.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/check/MacroChecker.h"

using namespace skelder;
using namespace skelder::fuzz;

namespace {

const char kKeywords[] =
    "[COMMANDS]\nsendln=1\nbeep=1\nif=1\nelseif=1\nelse=1\nendif=1\nfor=1\nnext=1\nwhile=1\n"
    "endwhile=1\ndo=1\nloop=1\nuntil=1\nenduntil=1\ngoto=1\ncall=1\nreturn=1\ninclude=1\n"
    "[SYSVARS]\nresult=1\n[SKDKEYWORDS]\n$pager$=0\n[SYMBOLS]\n==1\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static KeywordStore keywords;
  static const bool loaded = keywords.Load(kKeywords);
  FUZZ_CHECK(loaded);
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto findings = MacroChecker(keywords).Check(text);
  const long lines =
      std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r') + 1;
  for (size_t i = 0; i < findings.size(); ++i) {
    const MacroFinding& finding = findings[i];
    FUZZ_CHECK(finding.line >= 1 && finding.line <= lines);
    FUZZ_CHECK(finding.column >= 1 && finding.length >= 1);
    FUZZ_CHECK(!finding.message.empty());
    if (i > 0)
      FUZZ_CHECK(findings[i - 1].line < finding.line || (findings[i - 1].line == finding.line &&
                                                         findings[i - 1].column <= finding.column));
  }
  return 0;
}
