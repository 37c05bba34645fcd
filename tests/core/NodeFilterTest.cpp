// The tree filter's matching rules, the emphasised parts of a name, and which nodes show.
#include "core/tree/NodeFilter.h"

#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/text/CaseFolding.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"

namespace skelder::testing {

namespace {

rVTNodeData Record(const std::string& name, const std::string& popup, const std::string& macro) {
  rVTNodeData data;
  data.Name = name;
  data.Popup = EncodeNodeText(popup, true);
  data.Macro = EncodeNodeText(macro, true);
  return data;
}

// The names of the nodes that show, in the tree's order.
std::string Shown(const ConnectionTree& tree, const NodeFilter& filter) {
  std::string names;
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) {
    if (!filter.shows(node)) continue;
    if (!names.empty()) names += ",";
    names += node == tree.computerNode() ? "*" : node->data.Name;
  }
  return names;
}

}  // namespace

TEST(FilterWords, EveryWordInNamePopupOrMacroCaseAside) {
  const rVTNodeData record =
      Record("Web Prod", "Front end 50%\r\nask Ann", "connect 'web1.example.com:22 /ssh'");
  struct Case {
    const char* typed;
    bool matches;
  } cases[] = {
      {"web", true},
      {"PROD", true},                    // case aside
      {"prod ann", true},                // words from the name and the popup
      {"  prod   EXAMPLE.com\t", true},  // blanks around and between words
      {"50%", true},                     // the decoded popup, not its stored "%25"
      {"%25", false},
      {"/ssh", true},        // the decoded macro
      {"+ask", false},       // a blank is stored as "+"
      {"endask", false},     // no word spans a line end
      {"prod test", false},  // every word must be found
      {"web1.example.com:22", true},
      {"webprod", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(FilterWords(c.typed).Matches(record), c.matches);
  }
  EXPECT_TRUE(FilterWords(" \t ").empty());
}

TEST(FilterWords, FoldsLettersBeyondAscii) {
  // UTF-8 letters of Latin-1, Latin Extended-A, Greek and Cyrillic, and code page 1252
  // bytes that start no UTF-8 sequence.
  EXPECT_EQ(FoldCase("\xC3\x84rger \xC5\x81\xC3\xB3"
                     "d\xC5\xBA \xCE\xA3\xCE\xBF \xD0\x9C\xD0\x9E"),
            "\xC3\xA4rger \xC5\x82\xC3\xB3"
            "d\xC5\xBA \xCF\x83\xCE\xBF \xD0\xBC\xD0\xBE");
  EXPECT_EQ(FoldCase("\xC4r \xD7 \xDE"), "\xE4r \xD7 \xFE");
  EXPECT_EQ(FoldCase("\xE2\x82\xAC Z"), "\xE2\x82\xAC z");  // longer sequences stay
  EXPECT_TRUE(FilterWords("\xC3\xA4RGER").Matches(Record("\xC3\x84rger", "", "")));
  EXPECT_TRUE(FilterWords("\xE4rger").Matches(Record("\xC4rger", "", "")));
  // Folding keeps every byte in its place.
  const std::string mixed = "A\xC3\x84\xC4\xE2\x82\xAC\xC5\xB8";
  EXPECT_EQ(FoldCase(mixed).size(), mixed.size());
}

TEST(FilterWords, NarrowsWhenEveryEarlierWordLiesInANewOne) {
  EXPECT_TRUE(FilterWords("prod").Narrows(FilterWords("pro")));
  EXPECT_TRUE(FilterWords("prod web").Narrows(FilterWords("prod")));
  EXPECT_TRUE(FilterWords("xprodx").Narrows(FilterWords("rod")));
  EXPECT_FALSE(FilterWords("pro").Narrows(FilterWords("prod")));
  EXPECT_FALSE(FilterWords("web").Narrows(FilterWords("prod")));
  EXPECT_FALSE(FilterWords("prod").Narrows(FilterWords("prod web")));
  EXPECT_FALSE(FilterWords("prod").Narrows(FilterWords()));
}

TEST(MatchedSpans, PartsOfTheNameInOrderAndMerged) {
  using Spans = std::vector<std::pair<std::size_t, std::size_t>>;
  EXPECT_EQ(MatchedSpans("Web Prod web", FilterWords("WEB")), (Spans{{0, 3}, {9, 12}}));
  EXPECT_EQ(MatchedSpans("abcdef", FilterWords("bcd cde")), (Spans{{1, 5}}));  // overlap
  EXPECT_EQ(MatchedSpans("abcdef", FilterWords("ab cd")), (Spans{{0, 4}}));    // touching
  EXPECT_EQ(MatchedSpans("aaaa", FilterWords("aa")), (Spans{{0, 4}}));
  EXPECT_EQ(MatchedSpans("Web", FilterWords("ssh")), Spans{});
  // Byte positions of the original text.
  EXPECT_EQ(MatchedSpans("\xC3\x84rger", FilterWords("rg")), (Spans{{2, 4}}));
}

class NodeFilterTest : public ::testing::Test {
 protected:
  NodeFilterTest() {
    ResetTree(tree);
    TreeNode* computer = tree.computerNode();
    servers = tree.appendChild(computer, Record("Servers", "", ""));
    web = tree.appendChild(servers, Record("web1", "", "connect 'web1:22'"));
    tree.appendChild(servers, Record("db1", "database", "connect 'db1:22'"));
    TreeNode* lab = tree.appendChild(servers, Record("Lab", "", ""));
    labWeb = tree.appendChild(lab, Record("web-lab", "", ""));
    tree.appendChild(computer, Record("-", "", "web"));  // a separator line
    tree.appendChild(computer, Record("Routers", "", "web"));
  }
  ConnectionTree tree;
  TreeNode* servers;
  TreeNode* web;
  TreeNode* labWeb;
  NodeFilter filter;
};

TEST_F(NodeFilterTest, MatchesShowWithTheirAncestorsAndTheComputerNodeAlways) {
  EXPECT_FALSE(filter.active());
  EXPECT_EQ(Shown(tree, filter), "*,Servers,web1,db1,Lab,web-lab,-,Routers");

  filter.setText("web", tree);
  EXPECT_TRUE(filter.active());
  EXPECT_EQ(Shown(tree, filter), "*,Servers,web1,Lab,web-lab,Routers");  // no separator
  ASSERT_EQ(filter.matches().size(), 3u);
  EXPECT_EQ(filter.matches()[1], labWeb);
  // The rows of the shown nodes among their shown siblings.
  using Nodes = std::vector<TreeNode*>;
  auto children = [&](const TreeNode* parent) {
    Nodes nodes;
    for (int row = 0; row < filter.shownChildCount(parent); ++row)
      nodes.push_back(filter.shownChild(parent, row));
    return nodes;
  };
  EXPECT_EQ(children(nullptr), Nodes{tree.computerNode()});
  EXPECT_EQ(children(servers), (Nodes{web, labWeb->parent()}));
  EXPECT_EQ(children(labWeb->parent()), Nodes{labWeb});
  EXPECT_EQ(children(web), Nodes{});
  EXPECT_EQ(filter.shownChild(servers, 2), nullptr);
  EXPECT_EQ(filter.shownRow(labWeb->parent()), 1);
  EXPECT_EQ(filter.shownRow(tree.computerNode()->child(2)), 1);  // Routers, past the separator
  EXPECT_EQ(filter.shownRow(servers->child(1)), -1);             // db1

  filter.setText("database", tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,db1");
  filter.setText("nothing", tree);
  EXPECT_EQ(Shown(tree, filter), "*");
  EXPECT_TRUE(filter.matches().empty());

  filter.setText("   ", tree);
  EXPECT_FALSE(filter.active());
  EXPECT_EQ(Shown(tree, filter), "*,Servers,web1,db1,Lab,web-lab,-,Routers");
}

TEST_F(NodeFilterTest, TypingOnGivesWhatAFreshFilterGives) {
  // Narrowing retests only the earlier matches, widening all nodes: both agree with a
  // filter that sees the text for the first time.
  for (const char* typed : {"w", "we", "web", "web-", "web", "we l", "we la", "e", "", "d", "DB",
                            "d b", "routers", "r"}) {
    SCOPED_TRACE(typed);
    filter.setText(typed, tree);
    NodeFilter fresh;
    fresh.setText(typed, tree);
    EXPECT_EQ(Shown(tree, filter), Shown(tree, fresh));
    EXPECT_EQ(filter.matches(), fresh.matches());
  }
}

TEST_F(NodeFilterTest, ChangesOfTheTreeShowOnceTheFilterIsToldOfThem) {
  filter.setText("w", tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,web1,Lab,web-lab,Routers");
  // The filter matches what it read: a change it was not told of does not show.
  web->data.Name = "x";
  web->data.Macro.clear();
  tree.appendChild(tree.computerNode(), Record("web2", "", ""));
  filter.setText("we", tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,x,Lab,web-lab,Routers");
  filter.treeChanged();
  filter.setText("web", tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,Lab,web-lab,Routers,web2");
  tree.appendChild(tree.computerNode(), Record("web3", "", ""));
  filter.refresh(tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,Lab,web-lab,Routers,web2,web3");
}

TEST_F(NodeFilterTest, ARefreshKeepsTheNodeTheUserWorksOn) {
  filter.setText("database", tree);
  web->data.Name = "renamed";
  filter.refresh(tree, web);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,renamed,db1");
  filter.refresh(tree);
  EXPECT_EQ(Shown(tree, filter), "*,Servers,db1");
  filter.clear();
  filter.refresh(tree, web);  // does nothing while the filter is off
  EXPECT_FALSE(filter.active());
}

}  // namespace skelder::testing
