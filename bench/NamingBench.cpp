// The naming rules on large trees: a new name among 100,000 nodes, a table of 10,000
// connections imported into itself (every name twice), 10,000 siblings of one name.
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
    TreeNode* parent = tree.appendChild(tree.computerNode(), Named("Unnamed connection #" + std::to_string(i + 1)));
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
      for (int i = 0; i < count; ++i) tree.appendChild(tree.computerNode(), Named("Router " + std::to_string(i)));
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

}  // namespace
