// Copy and paste of a deep branch: a chain of n connections, each the only child of the
// one before, at n, 2n and 4n. Both should take twice as long at twice the length (past
// the processor caches, which the tree outgrows between 100,000 and 200,000 nodes).
#include <benchmark/benchmark.h>

#include <string>

#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeState.h"

namespace {

using namespace skelder;

TreeNode* Chain(ConnectionTree& tree, int length) {
  ResetTree(tree);
  TreeNode* top = nullptr;
  TreeNode* node = tree.computerNode();
  for (int i = 0; i < length; ++i) {
    rVTNodeData data;
    data.Name = "Hop " + std::to_string(i);
    node = tree.appendChild(node, data);
    if (!top) top = node;
  }
  return top;
}

void BM_CopyDeepBranch(benchmark::State& state) {
  ConnectionTree tree;
  TreeNode* top = Chain(tree, static_cast<int>(state.range(0)));
  tree.clearSelection();
  tree.setSelected(top, true);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBranches(tree));
}
BENCHMARK(BM_CopyDeepBranch)->Arg(100000)->Arg(200000)->Arg(400000)->Unit(benchmark::kMillisecond);

void BM_PasteDeepBranch(benchmark::State& state) {
  ConnectionTree source;
  TreeNode* top = Chain(source, static_cast<int>(state.range(0)));
  source.clearSelection();
  source.setSelected(top, true);
  const std::string bytes = EncodeBranches(source);
  for (auto _ : state) {
    state.PauseTiming();
    auto tree = std::make_unique<ConnectionTree>();
    ResetTree(*tree);
    state.ResumeTiming();
    NodesArrived(*tree, InsertBranches(*tree, bytes, tree->computerNode(), AttachMode::FirstChild));
    state.PauseTiming();
    tree.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteDeepBranch)->Arg(100000)->Arg(200000)->Arg(400000)->Unit(benchmark::kMillisecond);

}  // namespace
