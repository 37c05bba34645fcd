#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <random>

#include "TableBytes.h"
#include "TreeShape.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder {
namespace {

using testing::BuildTree;
using testing::ErrorBox;
using testing::Find;
using testing::InformationBox;
using testing::Int32;
using testing::Levels;
using testing::Record;
using testing::RecordedBox;
using testing::Shape;
using testing::Table;

const char* const kInconsistent = "Error reading the file. It contains inconsistent data.";

// Records what the reader and writer ask of the main window.
class RecordingHost : public TableFileHost {
 public:
  void setBusy(bool busy) override { log.push_back(busy ? "busy" : "idle"); }
  void showProgress(int position, int total) override {
    progress.push_back(std::to_string(position) + "/" + std::to_string(total));
  }
  void tableNamed(const std::string& path) override { log.push_back("named " + path); }
  void tableLoaded() override { log.push_back("loaded"); }
  void tableConverted() override { log.push_back("converted"); }
  std::vector<std::string> log;
  std::vector<std::string> progress;
};

class TableFileTest : public ::testing::Test {
 protected:
  TableFileTest() { ResetTree(tree); }

  std::string file(const std::string& name, const std::string& bytes) {
    const std::string path = folder.file(name);
    testing::WriteFileBytes(path, bytes);
    return path;
  }
  bool read(const std::string& path, bool import = false) {
    return ReadTable(context, path, import);
  }
  bool write(const std::string& path, bool all = true) { return WriteTable(context, path, all); }
  std::string bytesOf(const std::string& path) { return testing::ReadFileBytes(path); }
  std::vector<std::string> folderContent() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempFolder folder;
  ConnectionTree tree;
  testing::ScriptedDialogs dialogs;
  testing::FakeSystem system;
  RecordingHost host;
  TableFileContext context{tree, dialogs, system, host};
};

TEST_F(TableFileTest, WritesTheEmptyTableAndOneConnectionByteForByte) {
  const std::string empty = folder.file("empty.SKD");
  EXPECT_TRUE(write(empty));
  EXPECT_EQ(bytesOf(empty), std::string("SKD21\0\0\0\0", 9));
  EXPECT_EQ(host.log, (std::vector<std::string>{"busy", "idle"}));

  tree.appendChild(tree.computerNode(), testing::Named("A"));
  const std::string one = folder.file("one.SKD");
  EXPECT_TRUE(write(one));
  const std::string expected(
      "SKD21\1\0\0\0"
      "\1\0\0\0"
      "\0\0\0\0"
      "\0"
      "\1\0\0\0A"
      "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0",
      43);
  EXPECT_EQ(bytesOf(one), expected);
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TableFileTest, WritesEveryFieldAndReadsItBack) {
  std::string allBytes;
  for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
  BuildTree(tree, "A(B(C)),D");
  TreeNode* b = Find(tree, "B");
  b->data = {"B", "m%20", "p", "=1 2 3 4 5", "Monday, 01-Jan-2024 10:00:00", allBytes, 2, 7, 1};
  const std::string path = folder.file("t.SKD");
  ASSERT_TRUE(write(path));
  const Record expectedB{2,        "B", "m%20", "p", "=1 2 3 4 5", "Monday, 01-Jan-2024 10:00:00",
                         allBytes, 2,   1};
  EXPECT_EQ(bytesOf(path), Table({{1, "A"}, expectedB, {3, "C"}, {1, "D"}}));

  ConnectionTree again;
  ResetTree(again);
  TableFileContext other{again, dialogs, system, host};
  ASSERT_TRUE(ReadTable(other, path, false));
  EXPECT_EQ(Shape(again), "*(A(B(C)),D)");
  const rVTNodeData& read = Find(again, "B")->data;
  EXPECT_EQ(read.Colors, allBytes);
  EXPECT_EQ(read.LastUpdated, "Monday, 01-Jan-2024 10:00:00");
  EXPECT_EQ(read.Schedule, "=1 2 3 4 5");
  EXPECT_EQ(read.StartLogging, 1);
  EXPECT_EQ(read.NodeKind, 0);  // never taken from the file
  EXPECT_EQ(read.Level, 2);
}

TEST_F(TableFileTest, ExportWritesTheSelectedNodesWithTheirLevelsInTheTree) {
  BuildTree(tree, "A(B(C,D)),-s,E");
  for (const char* name : {"B", "D", "-s"}) tree.setSelected(Find(tree, name), true);
  tree.setSelected(tree.computerNode(), true);
  const std::string path = folder.file("export.SKD");
  ASSERT_TRUE(write(path, false));
  EXPECT_EQ(bytesOf(path), Table(Levels({{2, "B"}, {3, "D"}, {1, "-s"}})));
}

TEST_F(TableFileTest, ChoosesParentsFromTheLevels) {
  struct Case {
    std::vector<std::pair<std::int32_t, std::string>> levels;
    std::string shape;
  };
  const Case cases[] = {
      {{{1, "a"}, {2, "b"}, {2, "c"}, {1, "d"}, {3, "e"}}, "*(a(b,c),d(e))"},
      // The skipped record's level does not count: c is compared with b.
      {{{1, "a"}, {2, "b"}, {1, ""}, {2, "c"}}, "*(a(b,c))"},
      {{{1, "a"}, {3, "b"}, {2, "c"}}, "*(a(b),c)"},
      {{{1, "a"}, {2, "b"}, {3, "c"}, {2, "d"}}, "*(a(b(c),d))"},
      {{{3, "a"}, {3, "b"}, {4, "c"}}, "*(a,b(c))"},
      {{{1, "a"}, {0, "b"}, {-5, "c"}}, "*(a,b,c)"},
      {{{1, "a"}, {2, "b"}, {INT32_MIN, "c"}, {INT32_MAX, "d"}}, "*(a(b),c(d))"},
  };
  for (const auto& c : cases) {
    ConnectionTree fresh;
    ResetTree(fresh);
    TableFileContext other{fresh, dialogs, system, host};
    ASSERT_TRUE(ReadTable(other, file("levels.SKD", Table(Levels(c.levels))), false));
    EXPECT_EQ(Shape(fresh), c.shape);
    for (const auto& [level, name] : c.levels)  // the level stored in the file, until initialised
      if (!name.empty()) {
        EXPECT_EQ(Find(fresh, name)->data.Level, level) << name;
      }
    testing::ExpectConsistent(fresh);
  }
}

TEST_F(TableFileTest, FillsTheRecordAsTheFormatRules) {
  const std::vector<Record> records = {
      {1, "keeps", "m", "p", "=1 2 3 4 5", "u", "c", 2, 1},
      {1, "no equals", "m", "", "1 2 3 4 5"},
      {1, "no macro", "", "", "=1 2 3 4 5"},
      {1, "-", "m", "p", "=1 2 3 4 5"},
      {1, "-anything", "", "", "", "", "", 3},
  };
  ASSERT_TRUE(read(file("fields.SKD", Table(records))));
  EXPECT_EQ(Shape(tree),
            std::string("*(keeps,no equals,no macro,") + SeparatorText + "," + SeparatorText + ")");
  const rVTNodeData& keeps = Find(tree, "keeps")->data;
  EXPECT_EQ(keeps.Schedule, "=1 2 3 4 5");
  EXPECT_EQ(keeps.Macro, "m");
  EXPECT_EQ(keeps.Popup, "p");
  EXPECT_EQ(keeps.LastUpdated, "u");
  EXPECT_EQ(keeps.Colors, "c");
  EXPECT_EQ(keeps.NodeKind, 0);
  EXPECT_EQ(keeps.StartLogging, 1);
  EXPECT_EQ(Find(tree, "no equals")->data.Schedule, "");
  EXPECT_EQ(Find(tree, "no macro")->data.Schedule, "");
  const TreeNode* separator = tree.nodeAt(4);
  EXPECT_EQ(separator->data.Schedule, "");
  EXPECT_EQ(separator->data.Macro, "m");
  EXPECT_EQ(tree.nodeAt(5)->data.NodeKind, 0);
}

TEST_F(TableFileTest, OpeningReportsItselfToTheMainWindow) {
  const std::string path = file("t.SKD", Table(Levels({{1, "a"}, {2, "b"}})));
  tree.setSelected(tree.computerNode(), true);
  ASSERT_TRUE(read(path));
  EXPECT_EQ(host.log, (std::vector<std::string>{"busy", "loaded", "named " + path, "idle"}));
  EXPECT_EQ(host.progress, (std::vector<std::string>{"0/2", "1/2", "2/2", "2/2"}));
  EXPECT_TRUE(tree.computerNode()->isExpanded());
  EXPECT_FALSE(tree.loading());
  EXPECT_FALSE(tree.updating());
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TableFileTest, FocusesTheNodeOfTheSelectedNodeIndex) {
  tree.setSelectedNodeIndex(3);
  tree.setSelected(tree.computerNode(), true);
  ASSERT_TRUE(read(file("t.SKD", Table(Levels({{1, "a"}, {2, "b"}, {3, "c"}, {1, "d"}})))));
  TreeNode* c = Find(tree, "c");
  EXPECT_EQ(tree.focusedNode(), c);
  EXPECT_EQ(tree.currentNode(), c);
  EXPECT_EQ(tree.selectedNodes(), std::vector<TreeNode*>{c});
  EXPECT_TRUE(Find(tree, "a")->isExpanded());
  EXPECT_TRUE(Find(tree, "b")->isExpanded());
  EXPECT_EQ(tree.selectedNodeIndex(), 3);

  // An import counts the whole tree; no node at the index resets it to 0.
  tree.setSelectedNodeIndex(6);
  ASSERT_TRUE(read(file("more.SKD", Table(Levels({{1, "e"}, {1, "f"}}))), true));
  EXPECT_EQ(tree.focusedNode(), Find(tree, "f"));
  tree.setSelectedNodeIndex(99);
  ASSERT_TRUE(read(file("more.SKD", Table(Levels({{1, "g"}}))), true));
  EXPECT_EQ(tree.selectedNodeIndex(), 0);
  EXPECT_EQ(Shape(tree), "*(a(b(c)),d,e,f,g)");
}

TEST_F(TableFileTest, ReportsEveryFailureWithItsOwnMessage) {
  const std::string good = Table(Levels({{1, "a"}, {2, "b"}}));
  const std::string record = Record{1, "x"}.bytes();
  struct Case {
    std::string name;  // empty: the file does not exist; "/": a folder
    std::string bytes;
    std::string box;
    std::string shape;  // what was read before the failure
  };
  const Case cases[] = {
      {"", "", "The file '" + folder.file("gone.SKD") + "' does not exist.", "*"},
      {"/", "", "Cannot read the file sub", "*"},
      {"short.SKD", "SKD", "The file short.SKD has invalid format.", "*"},
      {"other.SKD", "SKD22" + Int32(0), "The file other.SKD has invalid format.", "*"},
      {"nocount.SKD", "SKD21\1\0", kInconsistent, "*"},
      {"negative.SKD", "SKD21" + Int32(-1) + record, kInconsistent, "*"},
      {"more.SKD", good.substr(0, 5) + Int32(3) + good.substr(9), kInconsistent, "*(a(b))"},
      {"huge.SKD", good.substr(0, 5) + Int32(INT32_MAX) + good.substr(9), kInconsistent, "*(a(b))"},
      {"cut.SKD", good.substr(0, good.size() - 1), kInconsistent, "*(a)"},
      {"trailing.SKD", good + "xx", "", "*(a(b))"},  // bytes after the last record are not read
      {"neglen.SKD", "SKD21" + Int32(2) + record + Int32(1) + Int32(0) + '\0' + Int32(-1),
       kInconsistent, "*(x)"},
      {"biglen.SKD",
       "SKD21" + Int32(2) + record + Int32(1) + Int32(0) + '\0' + Int32(INT32_MAX) + "abc",
       kInconsistent, "*(x)"},
  };
  for (const auto& c : cases) {
    for (const bool import : {false, true}) {
      ConnectionTree fresh;
      ResetTree(fresh);
      testing::ScriptedDialogs boxes;
      RecordingHost recorder;
      TableFileContext other{fresh, boxes, system, recorder};
      std::string path = folder.file("gone.SKD");
      if (c.name == "/") {
        path = folder.file("sub");
        std::filesystem::create_directories(path);
      } else if (!c.name.empty()) {
        path = file(c.name, c.bytes);
      }
      const bool read = ReadTable(other, path, import);
      EXPECT_EQ(read, c.box.empty()) << c.name;
      EXPECT_EQ(boxes.boxes(), c.box.empty() ? std::vector<RecordedBox>{}
                                             : std::vector<RecordedBox>{ErrorBox(c.box)})
          << c.name;
      EXPECT_EQ(Shape(fresh), c.shape) << c.name;
      EXPECT_FALSE(fresh.loading());
      EXPECT_FALSE(fresh.updating());
      // Opening names the table also when its records are inconsistent; importing never.
      const bool named = std::count(recorder.log.begin(), recorder.log.end(), "named " + path) > 0;
      EXPECT_EQ(named, !import && (c.box.empty() || c.box == kInconsistent)) << c.name;
      if (c.name == "/") std::filesystem::remove(path);
    }
  }
}

TEST_F(TableFileTest, OpeningAnOldTableBacksItUpAndConvertsIt) {
  const std::string oldColors = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18";
  const std::string oldBytes =
      Table({{1, "a", "", "", "", "", oldColors}, {2, "b", "", "", "", "", ""}}, "SKD20");
  const std::string path = file("tables.SKD", oldBytes);
  ASSERT_TRUE(read(path));
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{InformationBox(
                "The file tables.SKD was created by earlier versions of Skelder and has old "
                "format.\rIt will be backed up into tables.SKD.bak and converted prior "
                "opening.\r\rPress Ok to continue.")});
  EXPECT_EQ(bytesOf(path + ".bak"), oldBytes);
  const std::string converted = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:0:0:255:4:5:6";
  // Too short to parse: the default colours, with the same seventh and eighth rule.
  const std::string fromDefault =
      "0:0:0:255:255:216:0:0:255:255:255:216:0:255:255:255:255:216:0:0:255:255:255:216";
  EXPECT_EQ(bytesOf(path),
            Table({{1, "a", "", "", "", "", converted}, {2, "b", "", "", "", "", fromDefault}}));
  EXPECT_EQ(Find(tree, "a")->data.Colors, converted);
  EXPECT_EQ(host.log, (std::vector<std::string>{"busy", "loaded", "named " + path, "busy", "idle",
                                                "converted", "idle"}));
  EXPECT_EQ(folderContent(), (std::vector<std::string>{"tables.SKD", "tables.SKD.bak"}));
}

TEST_F(TableFileTest, ImportingAnOldTableChangesNoFile) {
  const std::string oldColors = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18";
  const std::string oldBytes = Table({{1, "a", "", "", "", "", oldColors}}, "SKD20");
  const std::string path = file("tables.SKD", oldBytes);
  BuildTree(tree, "existing");
  ASSERT_TRUE(read(path, true));
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(bytesOf(path), oldBytes);
  EXPECT_EQ(folderContent(), std::vector<std::string>{"tables.SKD"});
  EXPECT_EQ(Shape(tree), "*(existing,a)");
  EXPECT_EQ(Find(tree, "a")->data.Colors,
            "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:0:0:255:4:5:6");
  EXPECT_EQ(host.log, (std::vector<std::string>{"busy", "loaded", "idle"}));
}

TEST_F(TableFileTest, AFailedBackupOfAnOldTableReadsNothing) {
  const std::string oldBytes = Table(Levels({{1, "a"}}), "SKD20");
  const std::string path = file("tables.SKD", oldBytes);
  std::filesystem::create_directories(path + ".bak/occupied");  // the copy cannot replace it
  EXPECT_FALSE(read(path));
  ASSERT_EQ(dialogs.boxes().size(), 2u);
  EXPECT_EQ(dialogs.boxes()[1].kind, "error");
  EXPECT_EQ(dialogs.boxes()[1].text, std::make_error_code(std::errc::is_a_directory).message());
  EXPECT_EQ(Shape(tree), "*");
  EXPECT_EQ(bytesOf(path), oldBytes);
  EXPECT_TRUE(host.log.empty());
}

#ifndef _WIN32  // file size limits, permission bits and symbolic links are POSIX

// Lets the process write files only up to the given size, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(TableFileTest, AWriteThatFailsPartWayLeavesTheOldTableIntact) {
  const std::string oldBytes = Table(Levels({{1, "old"}}));
  const std::string path = file("tables.SKD", oldBytes);
  BuildTree(tree, "A(B,C),D");
  for (TreeNode* node = tree.first(); node; node = tree.next(node))
    node->data.Macro = std::string(400, 'm');
  {
    FileSizeLimit limit(1000);
    EXPECT_FALSE(write(path));
  }
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ErrorBox("Error writing file tables.SKD.")});
  EXPECT_EQ(bytesOf(path), oldBytes);
  EXPECT_EQ(folderContent(), std::vector<std::string>{"tables.SKD"});
  EXPECT_EQ(host.log, (std::vector<std::string>{"busy", "idle"}));

  dialogs.clear();
  EXPECT_FALSE(write(folder.file("missing/tables.SKD")));
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ErrorBox(
                                 "Error writing file " + folder.file("missing/tables.SKD") + ".")});
}

TEST_F(TableFileTest, ReplacingKeepsTheFilesPermissionsAndLinks) {
  const std::string path = file("tables.SKD", "old");
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  const std::string link = folder.file("link.SKD");
  std::filesystem::create_symlink(path, link);
  BuildTree(tree, "A");
  ASSERT_TRUE(write(link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(bytesOf(path), Table(Levels({{1, "A"}})));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

// A process saving a large table, killed at random moments, leaves the old table or the
// new one, never a mix; the next save leaves no temporary file beside it.
TEST_F(TableFileTest, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
  for (int i = 0; i < 5000; ++i) {  // about 1.7 MB
    rVTNodeData data;
    data.Name = "Connection " + std::to_string(i);
    data.Macro = std::string(300, 'm');
    tree.appendChild(tree.computerNode(), data);
  }
  std::string oldBytes, newBytes;
  ASSERT_TRUE(EncodeTable(tree, true, oldBytes));
  tree.computerNode()->firstChild()->data.Name = "Renamed";
  ASSERT_TRUE(EncodeTable(tree, true, newBytes));
  const std::string path = file("large.SKD", oldBytes);
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        tree.computerNode()->firstChild()->data.Name = i % 2 ? "Renamed" : "Connection 0";
        if (!write(path)) _exit(1);
      }
    }
    usleep(std::uniform_int_distribution<useconds_t>(1000, 200000)(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string bytes = bytesOf(path);
    ASSERT_TRUE(bytes == oldBytes || bytes == newBytes) << bytes.size();
  }
  ASSERT_TRUE(write(path));
  EXPECT_EQ(folderContent(), std::vector<std::string>{"large.SKD"});
  EXPECT_EQ(bytesOf(path), newBytes);
}

#endif

}  // namespace
}  // namespace skelder

namespace skelder {
namespace {

// Damaged tables never crash the reader: each truncation and each changed byte of a real
// table either reads or ends with one error box, and the tree stays whole.
TEST_F(TableFileTest, DamagedTablesAreReadOrRefusedNeverCrash) {
  BuildTree(tree, "Gateway(Switch,Server),-,Console");
  for (TreeNode* node = tree.first(); node; node = tree.next(node)) {
    node->data.Macro = "connect+%27host%27";
    node->data.Colors = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
  }
  std::string good;
  ASSERT_TRUE(EncodeTable(tree, true, good));
  unsigned seed = 7;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 16;
  };
  std::vector<std::string> damaged;
  for (size_t cut = 0; cut < good.size(); ++cut) damaged.push_back(good.substr(0, cut));
  for (int round = 0; round < 400; ++round) {
    std::string bytes = good;
    for (int flips = 1 + next() % 3; flips > 0; --flips)
      bytes[next() % bytes.size()] = static_cast<char>(next());
    damaged.push_back(bytes);
  }
  for (const auto& bytes : damaged) {
    ResetTree(tree);
    dialogs.clear();
    read(file("damaged.SKD", bytes), true);
    EXPECT_LE(dialogs.boxes().size(), 1u);
    testing::ExpectConsistent(tree);
  }
}

}  // namespace
}  // namespace skelder
