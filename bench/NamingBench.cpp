// The naming rules on large trees: a new name among 100,000 nodes, a table of 10,000
// connections imported into itself (every name twice), 10,000 siblings of one name, and
// siblings whose names hold line feeds (then a name is taken when it occurs between two
// line feeds of the others' joined names). The line-feed cases run at n and 2n: the
// time should double, not grow four- or eightfold.
#include <benchmark/benchmark.h>

#include <string>

#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeNaming.h"
#include "core/tree/TreeState.h"

namespace {

using namespace skelder;

rVTNodeData Named(std::string name) {
  rVTNodeData data;
  data.Name = std::move(name);
  return data;
}

void BM_NewConnectionName(benchmark::State& state) {
  ConnectionTree tree;
  ResetTree(tree);
  const int count = static_cast<int>(state.range(0));
  for (int i = 0; i < count / 10; ++i) {
    TreeNode* parent = tree.appendChild(tree.computerNode(),
                                        Named("Unnamed connection #" + std::to_string(i + 1)));
    for (int j = 0; j < 9; ++j) tree.appendChild(parent, Named("Host " + std::to_string(j)));
  }
  for (auto _ : state) benchmark::DoNotOptimize(NewConnectionName(tree));
}
BENCHMARK(BM_NewConnectionName)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ImportIntoItself(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ConnectionTree tree;
    ResetTree(tree);
    for (int copy = 0; copy < 2; ++copy)
      for (int i = 0; i < count; ++i)
        tree.appendChild(tree.computerNode(), Named("Router " + std::to_string(i)));
    state.ResumeTiming();
    benchmark::DoNotOptimize(MakeChildNamesUnique(tree, tree.computerNode()));
  }
}
BENCHMARK(BM_ImportIntoItself)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SiblingsOfOneName(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ConnectionTree tree;
    ResetTree(tree);
    for (int i = 0; i < count; ++i) tree.appendChild(tree.computerNode(), Named("Web"));
    state.ResumeTiming();
    benchmark::DoNotOptimize(MakeChildNamesUnique(tree, tree.computerNode()));
  }
}
BENCHMARK(BM_SiblingsOfOneName)->Arg(10000)->Unit(benchmark::kMillisecond);

// Siblings named as given by name(i), renamed in one pass.
template <typename Name>
void RenameSiblings(benchmark::State& state, Name name) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ConnectionTree tree;
    ResetTree(tree);
    for (int i = 0; i < count; ++i) tree.appendChild(tree.computerNode(), Named(name(i)));
    state.ResumeTiming();
    benchmark::DoNotOptimize(MakeChildNamesUnique(tree, tree.computerNode()));
  }
  state.SetComplexityN(state.range(0));
}

// One sibling named "\n" among n named "a": every "a" but one gets a copy name.
void BM_OneLineFeedAmongOneName(benchmark::State& state) {
  RenameSiblings(state, [](int i) { return i == 0 ? std::string("\n") : std::string("a"); });
}
BENCHMARK(BM_OneLineFeedAmongOneName)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(40000)
    ->Arg(80000)
    ->Unit(benchmark::kMillisecond);

// n siblings all named "a\nb".
void BM_SiblingsWithLineFeeds(benchmark::State& state) {
  RenameSiblings(state, [](int) { return std::string("a\nb"); });
}
BENCHMARK(BM_SiblingsWithLineFeeds)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(40000)
    ->Arg(80000)
    ->Unit(benchmark::kMillisecond);

// n siblings with distinct two-line names, every tenth one repeated.
void BM_DistinctNamesWithLineFeeds(benchmark::State& state) {
  RenameSiblings(
      state, [](int i) { return "Host " + std::to_string(i % 10 == 0 ? i + 1 : i) + "\nrack"; });
}
BENCHMARK(BM_DistinctNamesWithLineFeeds)->Arg(40000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace
