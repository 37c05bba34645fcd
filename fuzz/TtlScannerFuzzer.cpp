// The TTL scanner on any line: tokens follow each other without gap and cover the line,
// and a restyle after an edit that resumes inside the line gives what a whole scan gives.
#include <vector>

#include "FuzzSupport.h"
#include "core/editor/TtlLineCache.h"
#include "core/editor/TtlScanner.h"

using namespace skelder;
using namespace skelder::fuzz;

namespace {

const char kKeywords[] =
    "[COMMANDS]\nsendln=92078\nbeep=92001\nif=92050\nconnect=92010\n[SYSVARS]\nresult=91004\n"
    "[SKDKEYWORDS]\n$pager$=0\n$logit$=0\n[SYMBOLS]\n==91005\n<>=91005\n";

std::vector<int> Styles(TtlScanner& scanner, const std::string& line) {
  std::vector<int> styles;
  for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next()) {
    FUZZ_CHECK(scanner.TokenStart() == static_cast<int>(styles.size()));
    FUZZ_CHECK(scanner.TokenLength() > 0);
    const int kind = static_cast<int>(scanner.Kind());
    FUZZ_CHECK(kind >= 0 && kind <= 10 && kind != 1 && kind != 5);
    styles.insert(styles.end(), static_cast<size_t>(scanner.TokenLength()), kind);
  }
  FUZZ_CHECK(styles.size() == line.size());
  return styles;
}

}  // namespace

// The first two bytes choose an edit; the rest is the line, then the line edited.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static KeywordStore keywords;
  static const bool loaded = keywords.Load(kKeywords);
  FUZZ_CHECK(loaded);
  if (size < 2) return 0;
  TtlScanner scanner(keywords);
  scanner.setLeadByte([](unsigned char c) { return c >= 0x81 && c <= 0x9F; });
  std::string line(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::vector<int> before = Styles(scanner, line);
  scanner.Classify(line);

  TtlLineCache cache;
  cache.scan(scanner, line, 0, [](int, TokenKind) {});
  const size_t at = line.empty() ? 0 : (data[0] * 256u + data[1]) % (line.size() + 1);
  if (data[1] & 1)
    line.erase(at, 1 + data[0] % 4);
  else
    line.insert(at, line.substr(0, 1 + data[0] % 8));
  std::vector<int> styles = before;
  const size_t from = cache.resumePoint(line, at, scanner.Reach());
  FUZZ_CHECK(from <= at);
  styles.resize(from);
  cache.scan(scanner, line, from, [&](int length, TokenKind kind) {
    styles.insert(styles.end(), static_cast<size_t>(length), static_cast<int>(kind));
  });
  FUZZ_CHECK(styles == Styles(scanner, line));
  return 0;
}
