#include <gtest/gtest.h>

#include "core/editor/PrintHeader.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeState.h"

namespace skelder {
namespace {

rVTNodeData Named(const std::string& name) {
  rVTNodeData data;
  data.Name = name;
  return data;
}

TEST(PrintHeaderTest, TheHeaderNamesTheTableTheConnectionThePageAndTheTime) {
  ConnectionTree tree;
  TreeNode* computer = ResetTree(tree);
  TreeNode* routers = tree.appendChild(computer, Named("Routers"));
  TreeNode* telnet = tree.appendChild(routers, Named("telnet"));
  const PrintPage page{1, 2, "2025-12-11", "14:05:09"};
  const struct {
    const char* what;
    std::string tableFile;
    std::string nodePath;
    PrintPage page;
    PrintHeader printed;
  } cases[] = {
      {"a saved table",
       "C:\\Tables\\net.skd",
       NodePath(*telnet),
       page,
       {{"File: C:\\Tables\\net.skd", "Page 1 of 2"},
        {"Macro: /Routers/telnet", "2025-12-11 14:05:09"}}},
      {"an unsaved table",
       "",
       NodePath(*routers),
       {12, 100, "11.12.2025", "2:05 PM"},
       {{"File: ", "Page 12 of 100"}, {"Macro: /Routers", "11.12.2025 2:05 PM"}}},
      {"the paths on the left print as they stand",
       "/t/$PAGENUM$/a.skd",
       "/$DATE$ $TIME$",
       page,
       {{"File: /t/$PAGENUM$/a.skd", "Page 1 of 2"},
        {"Macro: /$DATE$ $TIME$", "2025-12-11 14:05:09"}}},
  };
  for (const auto& c : cases) {
    const PrintHeader header = MakePrintHeader(c.tableFile, c.nodePath);
    EXPECT_EQ(header.file.right, "Page $PAGENUM$ of $PAGECOUNT$") << c.what;
    EXPECT_EQ(header.macro.right, "$DATE$ $TIME$") << c.what;
    const PrintHeader printed = PageHeader(header, c.page);
    EXPECT_EQ(printed.file, c.printed.file) << c.what;
    EXPECT_EQ(printed.macro, c.printed.macro) << c.what;
  }
}

TEST(PrintHeaderTest, PlaceholdersAreFilledInOnePass) {
  const PrintPage page{3, 12, "date $TIME$", "time $PAGENUM$"};
  const std::pair<std::string, std::string> cases[] = {
      {"Page $PAGENUM$ of $PAGECOUNT$", "Page 3 of 12"},
      {"$DATE$ $TIME$", "date $TIME$ time $PAGENUM$"},
      {"$PAGENUM$$PAGENUM$/$PAGECOUNT$", "33/12"},
      {"$pagenum$ $PAGE$ $ $$PAGECOUNT$ $", "$pagenum$ $PAGE$ $ $12 $"},
      {"$PAGECOUNT", "$PAGECOUNT"},
      {"", ""},
  };
  for (const auto& [text, filled] : cases) EXPECT_EQ(FillPrintPlaceholders(text, page), filled);
}

TEST(PrintHeaderTest, TheNodePathRunsFromBelowTheComputerNodeToTheNode) {
  ConnectionTree tree;
  TreeNode* computer = ResetTree(tree);
  TreeNode* router = tree.appendChild(computer, Named("Router"));
  TreeNode* unnamed = tree.appendChild(router, Named(""));
  TreeNode* deep = tree.appendChild(unnamed, Named("a/b c"));
  EXPECT_EQ(NodePath(*router), "/Router");
  EXPECT_EQ(NodePath(*deep), "/Router//a/b c");
  EXPECT_EQ(NodePath(*computer), "");
}

}  // namespace
}  // namespace skelder
