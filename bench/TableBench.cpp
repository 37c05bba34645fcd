// Reading and writing connection tables of 1,000, 10,000 and 100,000 connections.
//
// Each read is set beside a raw read of the same file's bytes into memory, measured in
// the same iteration (the floor no reader can beat): the counter "read/raw" is their
// ratio. "tree/file" is the heap the read tree holds over the file size. Writes are set
// beside an atomic replacement of a file with the same bytes ("write/raw").
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "core/base/UserDialogs.h"
#include "core/text/FileBytes.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/Platform.h"

namespace skelder {
namespace {

using Clock = std::chrono::steady_clock;

// Fails the benchmark instead of showing a box.
class NoDialogs : public UserDialogs {
 public:
  MessageAnswer messageBox(MessageKind, MessageButtons buttons, const std::string& text) override {
    last = text;
    return DefaultAnswer(buttons);
  }
  std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::string last;
};

// A macro as users write them: a login with a few commands, of varying length.
std::string MacroFor(int i) {
  std::string macro = "; " + std::to_string(i) + " - connect and log in\r\n";
  macro += "connect 'host" + std::to_string(i) +
           ".example.com:22 /ssh /2 /auth=password /user=$[1] /passwd=$[2]'\r\n";
  macro += "wait '$ ' '# ' 'Password:'\r\nif result = 3 then\r\n  sendln $[2]\r\nendif\r\n";
  for (int line = 0; line < i % 5; ++line)
    macro += "sendln 'tail -n 100 /var/log/messages | grep -i error'\r\nwait '$ '\r\n";
  return EncodeNodeText(macro, true);
}

// Folders of about ten connections, some with a level of sub-folders, a separator now
// and then; every connection with a macro, most with a popup and a time stamp.
void FillTree(ConnectionTree& tree, int connections) {
  ResetTree(tree);
  const std::string colors =
      "0:0:0:255:255:216:0:0:255:255:255:216:0:255:255:255:255:216:0:0:255:255:255:216";
  TreeNode* folder = nullptr;
  TreeNode* sub = nullptr;
  for (int i = 0; i < connections; ++i) {
    rVTNodeData data;
    data.Name = "Connection " + std::to_string(i);
    data.Macro = MacroFor(i);
    if (i % 3) data.Popup = EncodeNodeText("Server room " + std::to_string(i % 17), true);
    if (i % 7 == 0) data.Schedule = "=0 8 * * 1,2,3,4,5";
    data.LastUpdated = "Wednesday, 12-Jun-2024 10:2" + std::to_string(i % 10) + ":00";
    data.Colors = colors;
    data.StartLogging = i % 2;
    if (i % 10 == 0) {
      folder = tree.appendChild(tree.computerNode(), data);
      sub = nullptr;
    } else if (i % 10 == 5) {
      sub = tree.appendChild(folder, data);
    } else {
      tree.appendChild(sub ? sub : folder, data);
    }
    if (i % 50 == 49) {
      rVTNodeData separator;
      separator.Name = "----- separator line -----";
      tree.appendChild(tree.computerNode(), separator);
    }
  }
}

struct Fixture {
  ~Fixture() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove(path, ignored);
  }
  std::string path;
  std::uintmax_t size = 0;
};

// One table file per size, written once.
const Fixture& TableFile(int connections) {
  static std::map<int, Fixture> files;
  Fixture& fixture = files[connections];
  if (fixture.path.empty()) {
    fixture.path = (std::filesystem::temp_directory_path() /
                    ("skelder-bench-" + std::to_string(connections) + ".SKD"))
                       .string();
    ConnectionTree tree;
    FillTree(tree, connections);
    std::string bytes;
    EncodeTable(tree, true, bytes);
    ReplaceFileBytes(fixture.path, bytes);
    fixture.size = bytes.size();
  }
  return fixture;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_ReadTable(benchmark::State& state) {
  const Fixture& file = TableFile(static_cast<int>(state.range(0)));
  Platform platform = CreatePlatform();
  NoDialogs dialogs;
  TableFileHost host;
  double readTime = 0, rawTime = 0, treeBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string raw;
    const auto rawStart = Clock::now();
    ReadFileBytes(file.path, raw);
    rawTime += Seconds(Clock::now() - rawStart);
    benchmark::DoNotOptimize(raw.data());
    raw = std::string();
    auto tree = std::make_unique<ConnectionTree>();
    ResetTree(*tree);
    TableFileContext context{*tree, dialogs, *platform.system, host};
    const auto heapBefore = mallinfo2().uordblks;
    state.ResumeTiming();

    const auto start = Clock::now();
    if (!ReadTable(context, file.path, false)) state.SkipWithError(dialogs.last.c_str());
    readTime += Seconds(Clock::now() - start);

    state.PauseTiming();
    treeBytes = static_cast<double>(mallinfo2().uordblks - heapBefore);
    tree.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size));
  state.counters["file_MB"] = static_cast<double>(file.size) / 1e6;
  state.counters["read/raw"] = readTime / rawTime;
  state.counters["tree/file"] = treeBytes / static_cast<double>(file.size);
}

void BM_WriteTable(benchmark::State& state) {
  const int connections = static_cast<int>(state.range(0));
  const Fixture& file = TableFile(connections);
  const std::string path = file.path + ".out";
  Platform platform = CreatePlatform();
  ConnectionTree tree;
  FillTree(tree, connections);
  std::string bytes;
  EncodeTable(tree, true, bytes);
  NoDialogs dialogs;
  TableFileHost host;
  TableFileContext context{tree, dialogs, *platform.system, host};
  double writeTime = 0, rawTime = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const auto rawStart = Clock::now();
    ReplaceFileBytes(path, bytes);
    rawTime += Seconds(Clock::now() - rawStart);
    state.ResumeTiming();

    const auto start = Clock::now();
    if (!WriteTable(context, path, true)) state.SkipWithError(dialogs.last.c_str());
    writeTime += Seconds(Clock::now() - start);
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["write/raw"] = writeTime / rawTime;
}

// The writer's own work without the disk: the table's bytes from the tree.
void BM_EncodeTable(benchmark::State& state) {
  ConnectionTree tree;
  FillTree(tree, static_cast<int>(state.range(0)));
  std::string bytes;
  for (auto _ : state) {
    EncodeTable(tree, true, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_ReadTable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeTable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skelder
