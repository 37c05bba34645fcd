#include "core/integration/TableInformation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <ctime>

#include "TreeShape.h"
#include "core/tree/NodeTextEncoding.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

std::string Stamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

TreeNode* Connection(ConnectionTree& tree, const std::string& name, const std::string& macro,
                     const std::string& popup = "", const std::string& schedule = "") {
  rVTNodeData data = Named(name);
  data.Macro = EncodeNodeText(macro, true);
  data.Popup = EncodeNodeText(popup, true);
  data.Schedule = schedule;
  return tree.appendChild(tree.computerNode(), data);
}

InformationValues Compose(const ConnectionTree& tree, const std::string& path,
                          ScriptedDialogs& dialogs) {
  return ComposeInformation(ReadTableFileFacts(path, dialogs), CountTreeStatistics(tree), Stamp);
}

TEST(TableInformation, AnUnnamedEmptyTableHasNoFactsAndCountsNothing) {
  ConnectionTree tree;
  BuildTree(tree, "");
  tree.computerNode()->data.Macro = "connect";  // the ComputerNode never counts
  ScriptedDialogs dialogs;
  const InformationValues v = Compose(tree, "", dialogs);
  EXPECT_EQ(v.fileName, "Noname.SKD");
  EXPECT_EQ(v.fileLocation, "");
  EXPECT_EQ(v.fileSize, "???");
  EXPECT_EQ(v.fileLastUpdated, "???");
  for (const std::string* count :
       {&v.nodes, &v.macroScripts, &v.scheduled, &v.separators, &v.popups})
    EXPECT_EQ(*count, "0");
  EXPECT_EQ(v.averageMacroLength, "0 bytes");
  EXPECT_EQ(v.longestMacro, "0 bytes");
  EXPECT_EQ(v.shortestMacro, "0 bytes");
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST(TableInformation, CountsMacrosSeparatorsPopupsAndSchedulesOfTheTreeInMemory) {
  ConnectionTree tree;
  BuildTree(tree, "");
  TreeNode* parent = Connection(tree, "Gateway", "connect 'gw'", "", "=0 * * * *");
  tree.appendChild(parent, Named("Inner"));  // below another connection, empty
  Connection(tree, "Short", "send", "");
  Connection(tree, "Note only", "", "Mind the VPN");
  // A separator counts as such even with the macro and popup it had before.
  Connection(tree, "-----", "old macro text", "old popup", "=1 2 3 4 5");
  ScriptedDialogs dialogs;
  const InformationValues v = Compose(tree, "", dialogs);
  EXPECT_EQ(v.nodes, "5");
  EXPECT_EQ(v.macroScripts, "2");
  EXPECT_EQ(v.longestMacro, "12 bytes");
  EXPECT_EQ(v.shortestMacro, "4 bytes");
  EXPECT_EQ(v.averageMacroLength, "8 bytes");  // 16 / 2
  EXPECT_EQ(v.scheduled, "2");
  EXPECT_EQ(v.separators, "1");
  EXPECT_EQ(v.popups, "1");
}

TEST(TableInformation, MacroLengthsAreThoseOfTheDecodedText) {
  ConnectionTree tree;
  BuildTree(tree, "");
  Connection(tree, "A", "a b%c\r\n");  // stored as "a+b%25c%0D%0A"
  const TreeStatistics s = CountTreeStatistics(tree);
  EXPECT_EQ(s.totalMacroLength, 7);
  EXPECT_EQ(s.longestMacro, 7);
}

TEST(TableInformation, TheAverageRoundsHalvesToTheEvenNeighbour) {
  const struct {
    int scripts;
    std::int64_t total;
    std::int64_t average;
  } cases[] = {
      {2, 14, 7},  // 10 and 4
      {2, 15, 8},  // 10 and 5: 7.5
      {2, 13, 6},  // 9 and 4: 6.5
      {3, 10, 3},  // 3.33
      {3, 11, 4},  // 3.67
      {0, 0, 0},   // no macro: divided by 1
      {1, 1, 1},
  };
  for (const auto& c : cases) {
    TreeStatistics s;
    s.macroScripts = c.scripts;
    s.totalMacroLength = c.total;
    EXPECT_EQ(AverageMacroLength(s), c.average) << c.total << " / " << c.scripts;
  }
}

// Sets the time zone of local times; an empty one removes the setting.
void SetTimeZone(const std::string& zone) {
#ifdef _WIN32
  _putenv_s("TZ", zone.c_str());
  _tzset();
#else
  if (zone.empty())
    unsetenv("TZ");
  else
    setenv("TZ", zone.c_str(), 1);
  tzset();
#endif
}

// Local times in UTC while each test runs.
class TableFileFactsTest : public ::testing::Test {
 protected:
  TableFileFactsTest() {
    const char* zone = std::getenv("TZ");
    savedZone_ = zone ? zone : "";
    SetTimeZone("UTC0");
  }
  ~TableFileFactsTest() override { SetTimeZone(savedZone_); }
  TempFolder folder;
  ScriptedDialogs dialogs;
  ConnectionTree tree;

 private:
  std::string savedZone_;
};

TEST_F(TableFileFactsTest, ANamedTableShowsItsNameFolderSizeAndTimeOnDisk) {
  const std::string path = folder.file("Work.SKD");
  WriteFileBytes(path, std::string(1234, 'x'));
  utimbuf times{1709647629, 1709647629};  // 2024-03-05 14:07:09 UTC
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  BuildTree(tree, "");
  const InformationValues v = Compose(tree, path, dialogs);
  EXPECT_EQ(v.fileName, "Work.SKD");
  EXPECT_EQ(v.fileLocation, folder.path() + "/");
  EXPECT_EQ(v.fileSize, "1234 bytes");
  EXPECT_EQ(v.fileLastUpdated, "2024-03-05 14:07:09");
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(TableFileFactsTest, AnEmptyFileHasNoSizeButItsTime) {
  const std::string path = folder.file("Empty.SKD");
  WriteFileBytes(path, "");
  utimbuf times{946684800, 946684800};  // 2000-01-01 00:00:00 UTC
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  const InformationValues v = Compose(tree, path, dialogs);
  EXPECT_EQ(v.fileSize, "???");
  EXPECT_EQ(v.fileLastUpdated, "2000-01-01 00:00:00");
}

TEST_F(TableFileFactsTest, AFileThatIsGoneIsReportedAndHasNeitherSizeNorTime) {
  const std::string path = folder.file("Gone.SKD");
  BuildTree(tree, "A");
  const InformationValues v = Compose(tree, path, dialogs);
  EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{ErrorBox("Cannot open file \"" + path +
                                                               "\". No such file or directory")});
  EXPECT_EQ(v.fileName, "Gone.SKD");
  EXPECT_EQ(v.fileLocation, folder.path() + "/");
  EXPECT_EQ(v.fileSize, "???");
  EXPECT_EQ(v.fileLastUpdated, "???");
  EXPECT_EQ(v.nodes, "1");  // the statistics still describe the tree
}

}  // namespace
}  // namespace skelder::testing
