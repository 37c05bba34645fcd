#include <gtest/gtest.h>

#include "core/run/KeywordSubstitution.h"
#include "support/ScriptedDialogs.h"

namespace skelder::testing {
namespace {

const LocalTime kNow{2026, 1, 2, 3, 4, 5};

class KeywordSubstitutionTest : public ::testing::Test {
 protected:
  KeywordSubstitutionTest() {
    values.userName = "JSmith";
    values.userData = {"Ann Smith", "ann@example.com", "(123) 456-7890", "+44 7700-900 123", ""};
    values.logsFolder = "/tt/Logs/";
    values.programFolder = "/tt/";
    values.windowsFolder = "C:\\Windows\\";
    run.branchName = "Main Site_Web.1_";
  }
  // The lines' text after substitution; the variables asked are recorded.
  std::string substitute(const std::string& text) {
    MacroLineList lines;
    lines.load(text);
    SubstituteKeywords(lines, run, values, clock, [this](const std::string& keyword) {
      asked.push_back(keyword);
      return "<" + std::to_string(asked.size()) + ">";
    });
    return lines.text();
  }

  KeywordValues values;
  SubstitutionRun run;
  FixedClock clock{kNow};
  std::vector<std::string> asked;
};

TEST_F(KeywordSubstitutionTest, EachLineReplacesTheFirstOccurrenceOfEachKeyword) {
  const std::pair<std::string, std::string> cases[] = {
      {"  \tsendln '$user$'  ", "sendln 'jsmith'"},
      {"  \tsendln 'no keyword'  ", "  \tsendln 'no keyword'  "},
      {"$USER$ $user$ $User$", "JSMITH $user$ $User$"},
      {"$user$ $User$ $user$", "jsmith $User$ $user$"},
      {"$User$ $User$", "JSmith $User$"},
      {"$NAME$ and $NAME$", "Ann Smith and $NAME$"},
      {"mail $Email$", "mail ann@example.com"},
      {"dial $phone$ / $MOBILE$", "dial 1234567890 / +447700900123"},
      {"page $pager$", "page $pager$"},  // an empty field leaves its keyword
      {"$logdir$|$TtDir$|$WINDIR$", "/tt/Logs/|/tt/|C:\\Windows\\"},
      {"log $logfilename$", "log Main_Site_Web%461_20260102030405.log"},
      {"log $LOGFILENAME$", "log /tt/Logs/Main_Site_Web%461_20260102030405.log"},
      {"log $LogFileName$", "log $LogFileName$"},
      {"$SNIPPET$", ""},
      {"  x $snippet$  ", "x "},  // the line is what stands around the value
      {"$[0] $[9] $[] $[10]", "$[0] $[9] $[] $[10]"},
      {"send $LOGIT$", "send $LOGIT$"},
      {"$connection$ $other$", "$connection$ $other$"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(substitute(line), expected + "\r\n") << line;
  EXPECT_TRUE(asked.empty());
}

TEST_F(KeywordSubstitutionTest, KeywordsMatchedInAnyCaseTakeEveryMixOfCase) {
  for (int mix = 0; mix < 16; ++mix) {
    std::string keyword = "$name$";
    for (int letter = 0; letter < 4; ++letter)
      if (mix & (1 << letter)) keyword[static_cast<std::size_t>(letter) + 1] -= 'a' - 'A';
    EXPECT_EQ(substitute("hello " + keyword + "!"), "hello Ann Smith!\r\n") << keyword;
  }
}

TEST_F(KeywordSubstitutionTest, ContactFieldsNeedSomethingToSubstitute) {
  values.userData = {"   ", "", "ext. only", "P,#*+", "pager 5"};
  EXPECT_EQ(substitute("$name$|$email$|$phone$|$mobile$|$pager$"),
            "$name$|$email$|$phone$|P,#*+|p5\r\n");
  EXPECT_EQ(DialFilter("(123) 456-7890"), "1234567890");
  EXPECT_EQ(DialFilter("Tel +1 (555) 0100 p22 #9*,"), "+15550100p22#9*,");
}

TEST_F(KeywordSubstitutionTest, FileNamesKeepLettersDigitsDashAndUnderscore) {
  EXPECT_EQ(SafeFileName("Main Site_Web.1_"), "Main_Site_Web%461_");
  EXPECT_EQ(SafeFileName("a-b/c\\d:\xE9"), "a-b%47c%92d%58%233");
  EXPECT_EQ(TimeStamp({987, 12, 31, 23, 59, 58}), "09871231235958");
}

TEST_F(KeywordSubstitutionTest, LoggingAppendsTheLogLineToWholeMacroRuns) {
  const std::string logLine = "logopen '/tt/Logs/Main_Site_Web%461_20260102030405.log' 0 0\r\n";
  EXPECT_EQ(substitute("a\r\n  $logit$ b $[1]\r\nc"), "a\r\nc\r\n" + logLine);
  EXPECT_TRUE(asked.empty());  // nothing else on a $LOGIT$ line is looked at
  EXPECT_EQ(substitute("a"), "a\r\n");
  run.logSession = true;
  EXPECT_EQ(substitute("a"), "a\r\n" + logLine);
  run.exportToFile = true;
  EXPECT_EQ(substitute("a"), "a\r\nlogopen 'Main_Site_Web%461_.log' 0 0\r\n");
  run.wholeMacro = false;  // to the cursor: never a log line
  EXPECT_EQ(substitute("a\r\n$LOGIT$"), "a\r\n");
}

TEST_F(KeywordSubstitutionTest, EveryLogitLineGoesAndTheOthersKeepTheirOrder) {
  // Every third line a "$LOGIT$" line; the others ask for $[1], from the last line up.
  std::string macro;
  for (int i = 0; i < 1000; ++i)
    macro += (i % 3 ? "line " : "$LOGIT$ ") + std::to_string(i) + " $[1]\r\n";
  std::string expected;
  int answer = 0;
  for (int i = 999; i >= 0; --i)
    if (i % 3)
      expected.insert(0, "line " + std::to_string(i) + " <" + std::to_string(++answer) + ">\r\n");
  EXPECT_EQ(substitute(macro),
            expected + "logopen '/tt/Logs/Main_Site_Web%461_20260102030405.log' 0 0\r\n");
  EXPECT_EQ(asked.size(), 666u);
}

TEST_F(KeywordSubstitutionTest, VariablesAreAskedFromTheLowestLineUp) {
  EXPECT_EQ(substitute("a $[2] $[1] $[2]\r\nb $[1]\r\nc $[8]"),
            "a <4> <3> $[2]\r\nb <2>\r\nc <1>\r\n");
  EXPECT_EQ(asked, (std::vector<std::string>{"$[8]", "$[1]", "$[1]", "$[2]"}));
}

TEST_F(KeywordSubstitutionTest, AskVariableShowsItsInputBox) {
  ScriptedDialogs dialogs;
  dialogs.answer("text:secret");
  dialogs.answer("cancel");
  EXPECT_EQ(AskVariable("$[3]", dialogs), "secret");
  EXPECT_EQ(AskVariable("$[4]", dialogs), "");
  EXPECT_EQ(dialogs.boxes(),
            (std::vector<RecordedBox>{
                {"input", "", "Value of $[3] required|Enter the value of variable $[3]"},
                {"input", "", "Value of $[4] required|Enter the value of variable $[4]"}}));
}

TEST_F(KeywordSubstitutionTest, ValuesPutInAreSearchedByTheKeywordsThatFollow) {
  // The line is searched again after each replacement, keyword by keyword, in table order.
  values.userData.name = "$email$";
  EXPECT_EQ(substitute("$name$"), "ann@example.com\r\n");
  values.userData.email = "$name$";  // each keyword once per line: no loop
  EXPECT_EQ(substitute("$name$"), "$name$\r\n");
}

}  // namespace
}  // namespace skelder::testing
