// Highlighting cost: the editor rescans every line it draws, and each word costs one
// keyword lookup. Scans a macro of 10,000 lines (Tera Term's sample login repeated)
// with a keyword store the size of the program's keyword file; then one long line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/editor/TtlLineCache.h"
#include "core/editor/TtlScanner.h"

namespace {

using namespace skelder;

const char* const kLines[] = {
    "; Sample macro for Tera Term\r\n",
    "connect 'myhost.mydomain'\r\n",
    "UsernamePrompt = 'Username:'\r\n",
    "getpassword 'password.dat' 'mypassword' Password\r\n",
    "wait   UsernamePrompt\r\n",
    "sendln Username\r\n",
    "if result = 2 goto pswd\r\n",
    ":pswd\r\n",
    "mypager = $pager$\r\n",
    "strconcat msg inputstr ; note #13 tail\r\n",
};

void BM_ScanMacro(benchmark::State& state) {
  std::string file =
      "[COMMANDS]\r\nconnect=92010\r\ngetpassword=92046\r\nwait=92100\r\n"
      "sendln=92078\r\nif=92050\r\ngoto=92049\r\nstrconcat=92093\r\n";
  for (int i = 0; i < 250; ++i)
    file += "command" + std::to_string(i) + "=" + std::to_string(92000 + i) + "\r\n";
  file +=
      "[SYSVARS]\r\nresult=91004\r\ninputstr=91004\r\n[SKDKEYWORDS]\r\n$pager$=0\r\n"
      "[SYMBOLS]\r\n==91005\r\n";
  KeywordStore keywords;
  keywords.Load(file);
  TtlScanner scanner(keywords);
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i)
    for (const char* line : kLines) lines.emplace_back(line);
  for (auto _ : state) {
    int tokens = 0;
    for (const std::string& line : lines)
      for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next()) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_ScanMacro)->Unit(benchmark::kMillisecond);

// A pasted line of n bytes without blanks ("a,a,a,..."), scanned whole, at n and 2n:
// the time should double.
void BM_ScanLongLine(benchmark::State& state) {
  KeywordStore keywords;
  keywords.Load("[COMMANDS]\r\nconnect=92010\r\nsendln=92078\r\n[SYSVARS]\r\n[SKDKEYWORDS]\r\n");
  TtlScanner scanner(keywords);
  std::string line;
  while (line.size() < static_cast<std::size_t>(state.range(0))) line += "a,";
  for (auto _ : state) {
    int tokens = 0;
    for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next()) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScanLongLine)->Arg(100000)->Arg(200000)->Arg(400000)->Unit(benchmark::kMillisecond);

// Typing one character at the end of such a line: the editor restyles from the change.
void BM_RestyleLongLineAfterTyping(benchmark::State& state) {
  KeywordStore keywords;
  keywords.Load("[COMMANDS]\r\nconnect=92010\r\nsendln=92078\r\n[SYSVARS]\r\n[SKDKEYWORDS]\r\n");
  TtlScanner scanner(keywords);
  TtlLineCache cache;
  std::string line;
  while (line.size() < static_cast<std::size_t>(state.range(0))) line += "a,";
  cache.scan(scanner, line, 0, [](int, TokenKind) {});
  for (auto _ : state) {
    line += 'a';
    const std::size_t from = cache.resumePoint(line, line.size() - 1, scanner.Reach());
    int tokens = 0;
    cache.scan(scanner, line, from, [&](int, TokenKind) { ++tokens; });
    benchmark::DoNotOptimize(tokens);
  }
}
BENCHMARK(BM_RestyleLongLineAfterTyping)->Arg(100000)->Arg(200000)->Unit(benchmark::kMicrosecond);

}  // namespace
