#include <gtest/gtest.h>

#include "core/run/KeywordHint.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeState.h"

namespace skelder {
namespace {

rVTNodeData Named(const std::string& name) {
  rVTNodeData data;
  data.Name = name;
  return data;
}

// This computer > Main Site > Web.1 > (unnamed) > Deep one
class KeywordHintTest : public ::testing::Test {
 protected:
  KeywordHintTest() {
    computer = ResetTree(tree);
    site = tree.appendChild(computer, Named("Main Site"));
    web = tree.appendChild(site, Named("Web.1"));
    unnamed = tree.appendChild(web, Named(""));
    deep = tree.appendChild(unnamed, Named("Deep one"));
    values.userName = "JSmith";
    values.userData = {"Ann", "ann@example.com", "(123) 456", "", "pager  7"};
    values.programFolder = "/tt/";
    values.windowsFolder = "C:\\Windows\\";
    values.logsFolder = [this] {
      ++logsMade;
      return std::string("/tt/Logs/");
    };
  }
  std::string hint(const std::string& word, const TreeNode* focused) {
    return KeywordValueText(word, focused, values, clock);
  }

  ConnectionTree tree;
  TreeNode *computer, *site, *web, *unnamed, *deep;
  HintValues values;
  FixedClock clock{LocalTime{2026, 1, 2, 3, 4, 5}};
  int logsMade = 0;
};

TEST_F(KeywordHintTest, NodeKeywordsNameTheFocusedNodeAndItsBranch) {
  struct Case {
    std::string word;
    const TreeNode* focused;
    std::string text;
  };
  const Case cases[] = {
      {"$connection$", deep, "Deep"},
      {"$CONNECTION$", deep, "Deep one"},
      {"$Connection$", deep, "[Not set]"},
      {"$connection$", unnamed, "[Not set]"},
      {"$logfilename$", web, "Main_Site_Web%461_20260102030405.log"},
      {"$LogFileName$", deep, "Main_Site_Web%461_Deep_one_20260102030405.log"},
      {"$LOGFILENAME$", site, "/tt/Logs/Main_Site_20260102030405.log"},
      {"$parent$", web, "Main"},
      {"$PARENT$", web, "Main Site"},
      {"$Parent$", web, "Main Site"},
      {"$parent$", deep, "[Not set]"},  // the unnamed parent
      {"$parent$", site, "[Not set]"},  // a child of the ComputerNode
      {"$connection$", nullptr, "[Not set]"},
      {"$parent$", nullptr, "[Not set]"},
  };
  for (const Case& c : cases) EXPECT_EQ(hint(c.word, c.focused), c.text) << c.word;
  EXPECT_EQ(logsMade, 1);
}

TEST_F(KeywordHintTest, UserKeywordsNeedNoNode) {
  const std::pair<std::string, std::string> cases[] = {
      {"$USER$", "JSMITH"},       {"$User$", "JSmith"},
      {"$user$", "jsmith"},       {"$uSER$", "[Not set]"},
      {"$Name$", "Ann"},          {"$EMAIL$", "ann@example.com"},
      {"$phone$", "(123) 456"},  // as entered, without the dial filter
      {"$mobile$", "[Not set]"},  {"$PAGER$", "pager  7"},
      {"$LogDir$", "/tt/Logs/"},  {"$logit$", "[Opens log file]"},
      {"$TTDIR$", "/tt/"},        {"$windir$", "C:\\Windows\\"},
      {"$snippet$", "[Not set]"}, {"$[1]", "[Not set]"},
      {"$other$", "[Not set]"},
  };
  for (const auto& [word, text] : cases) {
    EXPECT_EQ(hint(word, web), text) << word;
    EXPECT_EQ(hint(word, nullptr), text) << word;
  }
}

TEST_F(KeywordHintTest, SkelderKeywordsComeFromTheKeywordFile) {
  KeywordStore keywords;
  EXPECT_FALSE(IsSkelderKeyword(keywords, "$name$"));  // no keyword file: none
  ASSERT_TRUE(keywords.LoadKeywords(SKELDER_SOURCE_DIR "/data/KeyFile.ini"));
  // Every keyword that the substitution table replaces is one.
  for (const SubstitutionKeyword& keyword : SubstitutionKeywords())
    EXPECT_TRUE(IsSkelderKeyword(keywords, keyword.text)) << keyword.text;
  EXPECT_TRUE(IsSkelderKeyword(keywords, "$CONNECTION$"));
  EXPECT_TRUE(IsSkelderKeyword(keywords, "$Parent$"));
  EXPECT_TRUE(IsSkelderKeyword(keywords, "$Pager$"));
  EXPECT_FALSE(IsSkelderKeyword(keywords, "$[9]"));
  EXPECT_FALSE(IsSkelderKeyword(keywords, "pager"));
  EXPECT_FALSE(IsSkelderKeyword(keywords, "sendln"));
}

}  // namespace
}  // namespace skelder
