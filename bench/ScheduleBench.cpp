// Verifying a schedule field holding n and 2n entries (a pasted list): sorting and
// thinning should grow as n log n.
#include <benchmark/benchmark.h>

#include <string>

#include "core/properties/ScheduleFields.h"

namespace {

using namespace skelder;

void BM_ValidateLongField(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i) text += (i ? "," : "") + std::to_string((i * 37) % 70);
  for (auto _ : state) {
    int corrections = 0;
    benchmark::DoNotOptimize(ValidateScheduleField(text, ScheduleField::Minute, corrections));
  }
}
BENCHMARK(BM_ValidateLongField)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
