// Keyword substitution of a macro in which every other line is a "$LOGIT$" line, at n
// and 2n lines: removing the marker lines must not cost more than the lines themselves.
#include <benchmark/benchmark.h>

#include <string>

#include "core/run/KeywordSubstitution.h"

namespace {

using namespace skelder;

void BM_RemoveLogitLines(benchmark::State& state) {
  std::string macro;
  for (int i = 0; i < state.range(0); ++i)
    macro += i % 2 ? "sendln 'show interfaces'\r\n" : "$LOGIT$\r\n";
  KeywordValues values;
  SubstitutionRun run;
  const FixedClock clock(LocalTime{2026, 1, 2, 3, 4, 5});
  for (auto _ : state) {
    state.PauseTiming();
    MacroLineList lines;
    lines.load(macro);
    state.ResumeTiming();
    SubstituteKeywords(lines, run, values, clock, nullptr);
    benchmark::DoNotOptimize(lines.lines().data());
  }
}
BENCHMARK(BM_RemoveLogitLines)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
