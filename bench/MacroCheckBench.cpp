// The macro check on a macro of 100,000 lines: blocks of every kind, labels with their
// gotos and calls, comments of both forms and strings, against a keyword store the size
// of the program's keyword file.
#include <benchmark/benchmark.h>

#include <string>

#include "core/check/MacroChecker.h"

namespace {

using namespace skelder;

const char* const kCommands[] = {"connect", "wait",  "sendln", "if",       "then",  "elseif",
                                 "else",    "endif", "for",    "next",     "while", "endwhile",
                                 "do",      "loop",  "until",  "enduntil", "goto",  "call",
                                 "return",  "pause", "beep",   "strconcat"};

// Twenty lines; n makes the labels of each copy its own.
std::string Block(int n) {
  const std::string label = "step" + std::to_string(n);
  return "; block " + std::to_string(n) + "\r\n" + "connect 'host" + std::to_string(n) +
         ":22 /ssh /2'\r\n" + "msg = 'it''s' #13#10 \"done\"\r\n" +
         "if result = 0 then\r\n"
         "  for i 1 10\r\n"
         "    while i < 5\r\n"
         "      do\r\n"
         "        sendln 'x' /* a note */\r\n"
         "      loop while i > 3\r\n"
         "    endwhile\r\n"
         "  next\r\n"
         "elseif result = 1 then\r\n"
         "  until i > 2\r\n"
         "    strconcat msg inputstr\r\n"
         "  enduntil\r\n"
         "else\r\n"
         "  if result = 2 goto " +
         label +
         "\r\n"
         "endif\r\n"
         ":" +
         label +
         "\r\n"
         "call " +
         label + "\r\n";
}

void BM_CheckMacro(benchmark::State& state) {
  std::string file = "[COMMANDS]\r\n";
  for (const char* command : kCommands) file += std::string(command) + "=92000\r\n";
  for (int i = 0; i < 200; ++i) file += "command" + std::to_string(i) + "=92000\r\n";
  file +=
      "[SYSVARS]\r\nresult=91004\r\ninputstr=91004\r\n[SKDKEYWORDS]\r\n[SYMBOLS]\r\n==91005\r\n";
  KeywordStore keywords;
  keywords.Load(file);
  const MacroChecker checker(keywords);
  std::string macro;
  const int lines = static_cast<int>(state.range(0));
  for (int n = 0; n < lines / 20; ++n) macro += Block(n);
  for (auto _ : state) {
    const auto findings = checker.Check(macro);
    if (!findings.empty()) state.SkipWithError(FindingLine("macro", findings.front()).c_str());
    benchmark::DoNotOptimize(findings);
  }
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_CheckMacro)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
