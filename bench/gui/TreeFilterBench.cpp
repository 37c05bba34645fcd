// Filtering a table of 110,000 connections (10,000 folders of ten, as users export them
// from an inventory) keystroke by keystroke.
//
// BM_FilterWords: the core alone (NodeFilter). BM_FilterBox: what the user waits for
// after a key: the filter box's text set, the proxy filtered again, the view expanded and
// laid out on Qt's offscreen platform. Each keystroke of the typed words is timed on its
// own: "max_ms" is the slowest of them, "mean_ms" their mean. "read_ms" is the time the
// filter takes to read the tree when the box gets the keyboard (Ctrl+E), before the first
// key. "filter/table" is the heap the filter adds (what it read of the tree, what shows,
// the view's rows) over the heap the table holds (the tree, its model and view).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeFilter.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "gui/tree/ConnectionTreeModel.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/TreeFilterBar.h"
#include "platform/SystemInfo.h"

namespace skelder {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFolders = 10000;
constexpr int kPerFolder = 10;

class BenchSystem : public SystemInfo {
 public:
  std::string userName() const override { return "user"; }
  std::string computerName() const override { return "HOST"; }
  std::string windowsFolder() const override { return "C:\\Windows\\"; }
  std::string shellDisplayName(const std::string& path) const override { return path; }
  bool isNTFamily() const override { return true; }
  std::string executablePath() const override { return "Skelderc.exe"; }
};

std::string Number(int value, int digits) {
  std::string text = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, digits - int(text.size()))), '0') + text;
}

rVTNodeData Connection(const std::string& name, int level, int rack) {
  rVTNodeData data;
  data.Name = name;
  data.Level = level;
  data.Popup = EncodeNodeText("Rack " + std::to_string(rack) + ", row " + std::to_string(rack % 7) +
                                  "\r\nOwner: operations",
                              true);
  data.Macro = EncodeNodeText("connect '" + name +
                                  ".example.net:22 /ssh /2 /auth=publickey /user=admin "
                                  "/keyfile=C:\\keys\\ops.ppk'\r\nwait '$ '\r\n",
                              true);
  data.NodeKind = 2;
  return data;
}

void FillInventory(ConnectionTree& tree) {
  ResetTree(tree);
  for (int f = 0; f < kFolders; ++f) {
    const std::string site = "site-" + Number(f, 5);
    TreeNode* folder = tree.appendChild(tree.computerNode(), Connection(site, 1, f % 40));
    for (int c = 0; c < kPerFolder; ++c)
      tree.appendChild(folder, Connection(site + "-host-" + Number(c, 2), 2, f % 40));
  }
}

// What users type: a word that matches everything at first and narrows to one folder, a
// host number, and a second word.
const std::vector<std::string>& Typed() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> all;
    for (const std::string word :
         {std::string("site-01234"), std::string("host-07"), std::string("rack 12 ops")}) {
      for (std::size_t n = 1; n <= word.size(); ++n) all.push_back(word.substr(0, n));
    }
    return all;
  }();
  return texts;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Report(benchmark::State& state, const std::vector<double>& times) {
  double sum = 0;
  for (double t : times) sum += t;
  state.counters["max_ms"] = *std::max_element(times.begin(), times.end());
  state.counters["mean_ms"] = sum / static_cast<double>(times.size());
  state.counters["keystrokes"] = static_cast<double>(times.size());
}

void BM_FilterWords(benchmark::State& state) {
  ConnectionTree tree;
  FillInventory(tree);
  std::vector<double> times;
  double read = 0;
  for (auto _ : state) {
    NodeFilter filter;
    const auto reading = Clock::now();
    filter.readAhead(tree);
    read = Ms(Clock::now() - reading);
    for (const std::string& text : Typed()) {
      const auto start = Clock::now();
      filter.setText(text, tree, nullptr);
      times.push_back(Ms(Clock::now() - start));
      benchmark::DoNotOptimize(filter.matches().size());
    }
  }
  Report(state, times);
  state.counters["read_ms"] = read;
}
BENCHMARK(BM_FilterWords)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FilterBox(benchmark::State& state) {
  const auto heapStart = mallinfo2().uordblks;
  BenchSystem system;
  auto tree = std::make_unique<ConnectionTree>();
  FillInventory(*tree);
  ConnectionTreeModel model(*tree, system);
  QWidget pane;
  auto* view = new ConnectionTreeView(model, &pane);
  auto* bar = new TreeFilterBar(*view, &pane);
  pane.resize(300, 800);
  view->resize(300, 780);
  pane.show();
  QApplication::setActiveWindow(&pane);
  QApplication::processEvents();
  const auto heapTable = mallinfo2().uordblks;
  std::size_t heapFilter = 0;
  std::vector<double> times;
  // Ctrl+E: the box takes the keyboard and the filter reads the tree.
  const auto focused = Clock::now();
  bar->focusBox();
  QApplication::processEvents();
  state.counters["read_ms"] = Ms(Clock::now() - focused);
  for (auto _ : state) {
    for (const std::string& text : Typed()) {
      const auto start = Clock::now();
      bar->filterBox()->setText(QString::fromStdString(text));
      QApplication::processEvents();
      times.push_back(Ms(Clock::now() - start));
      heapFilter = std::max(heapFilter, mallinfo2().uordblks);
    }
    bar->filterBox()->clear();
    QApplication::processEvents();
  }
  Report(state, times);
  state.counters["filter/table"] =
      static_cast<double>(heapFilter - heapTable) / static_cast<double>(heapTable - heapStart);
}
BENCHMARK(BM_FilterBox)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace skelder

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
