#include "core/check/MacroChecker.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/check/RunMacroCheck.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder {

void PrintTo(const MacroFinding& f, std::ostream* out) {
  *out << FindingLine("", f) << " (length " << f.length << ")";
}

namespace testing {
namespace {

namespace fs = std::filesystem;

const std::string kSamples = SKELDER_TESTDATA "/teraterm/";
constexpr FindingSeverity E = FindingSeverity::Error;
constexpr FindingSeverity W = FindingSeverity::Warning;

class MacroCheckerTest : public ::testing::Test {
 protected:
  MacroCheckerTest() { EXPECT_TRUE(keywords.LoadKeywords(SKELDER_SOURCE_DIR "/data/KeyFile.ini")); }
  std::vector<MacroFinding> check(const std::string& text) const { return checker.Check(text); }

  KeywordStore keywords;
  MacroChecker checker{keywords};
};

// The text with one line (counted from 1) replaced, its line end kept.
std::string WithLine(const std::string& text, int number, const std::string& line) {
  size_t begin = 0;
  for (int n = 1; n < number; ++n) begin = text.find('\n', begin) + 1;
  const size_t end = text.find_first_of("\r\n", begin);
  return text.substr(0, begin) + line + text.substr(end);
}

TEST_F(MacroCheckerTest, TeraTermsSampleMacrosPass) {
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(kSamples)) {
    if (entry.path().extension() != ".ttl") continue;
    ++checked;
    EXPECT_EQ(check(ReadFileBytes(entry.path().string())), std::vector<MacroFinding>{})
        << entry.path();
  }
  EXPECT_EQ(checked, 9);
}

// Each sample with one fault put in gives exactly that fault.
TEST_F(MacroCheckerTest, ABrokenCopyOfASampleGivesItsOneFinding) {
  struct Case {
    std::string file;
    int line;
    std::string replacement;
    MacroFinding expected;
  };
  const Case cases[] = {
      {"delpassw.ttl", 8, "", {5, 1, 2, E, "\"if\" without \"endif\""}},
      {"mpause.ttl", 39, "", {15, 1, 3, E, "\"for\" without \"next\""}},
      {"wait_regex.ttl", 31, "", {11, 1, 5, E, "\"while\" without \"endwhile\""}},
      {"screencapture.ttl", 53, "", {49, 1, 2, E, "\"do\" without \"loop\""}},
      {"screencapture.ttl", 30, "elsif", {30, 1, 5, E, "unknown command \"elsif\""}},
      {"screencapture.ttl",
       30,
       "elseif appendmode=1",
       {30, 1, 6, E, "\"elseif\" needs \"then\" at the end of the line"}},
      {"ssh2login.ttl",
       15,
       "strconcta msg username",
       {15, 1, 9, E, "unknown command \"strconcta\""}},
      {"login.ttl", 17, "sendln 'Username", {17, 8, 9, E, "string not closed on this line"}},
      {"random.ttl", 17, "  call show_stp", {17, 8, 8, E, "no label \"show_stp\" for this call"}},
      {"mpause.ttl",
       37,
       "\tif result=0 goto WAIT_CHEK",
       {37, 19, 9, E, "no label \"WAIT_CHEK\" for this goto"}},
      {"dialup.ttl",
       52,
       ":dial",
       {52, 1, 5, E, "label \"dial\" is defined twice (first on line 24)"}},
      {"winscp.ttl",
       12,
       "/* connect conncmd",
       {12, 1, 2, E, "comment not closed: \"/*\" without \"*/\""}},
      {"delpassw.ttl", 1, "return", {1, 1, 6, W, "\"return\" outside any label"}},
  };
  for (const Case& c : cases) {
    const std::string broken = WithLine(ReadFileBytes(kSamples + c.file), c.line, c.replacement);
    EXPECT_EQ(check(broken), std::vector<MacroFinding>{c.expected}) << c.file << ":" << c.line;
  }
}

TEST_F(MacroCheckerTest, EachRuleOnSmallMacros) {
  struct Case {
    std::string macro;
    std::vector<MacroFinding> expected;
  };
  const Case cases[] = {
      // Commands, in any letter case, and assignments.
      {"SendLn 'x'\r\nx = 1\r\ny=2\r\nlist[3] = 'a'\r\nz[i]=4\r\n  \t\r\n", {}},
      {"sendlm 'x'", {{1, 1, 6, E, "unknown command \"sendlm\""}}},
      {"  result", {{1, 3, 6, E, "unknown command \"result\""}}},
      {"'text'", {{1, 1, 6, E, "unknown command \"'text'\""}}},
      {"x == 1", {}},
      // Blocks.
      {"if a then\n if b then\n  beep\n elseif c then\n  beep\n else\n  beep\n endif\nendif", {}},
      {"for i 1 3\n while i\n  do while 1\n   until x\n   enduntil\n  loop\n endwhile\nnext", {}},
      {"do\nloop until x > 1\ndo until y\nloop", {}},
      {"if result goto done\nif x=1 beep\n:done", {}},
      {"if a THEN\nENDIF", {}},
      {"if a then\nbeep", {{1, 1, 2, E, "\"if\" without \"endif\""}}},
      {"endif", {{1, 1, 5, E, "\"endif\" without \"if\""}}},
      {"next", {{1, 1, 4, E, "\"next\" without \"for\""}}},
      {"loop", {{1, 1, 4, E, "\"loop\" without \"do\""}}},
      {"enduntil", {{1, 1, 8, E, "\"enduntil\" without \"until\""}}},
      {"else", {{1, 1, 4, E, "\"else\" without \"if\""}}},
      {"elseif x then", {{1, 1, 6, E, "\"elseif\" without \"if\""}}},
      {"if a then\nelse\nelseif b then\nendif", {{3, 1, 6, E, "\"elseif\" after \"else\""}}},
      {"if a then\nelse\nelse\nendif", {{3, 1, 4, E, "\"else\" after \"else\""}}},
      {"if a then\nelseif b\nendif",
       {{2, 1, 6, E, "\"elseif\" needs \"then\" at the end of the line"}}},
      // A closer of an outer block closes what was opened inside it.
      {"while 1\n  if a then\nendwhile", {{2, 3, 2, E, "\"if\" without \"endif\""}}},
      {"for i 1 2\n  do\n  while 1\nnext",
       {{2, 3, 2, E, "\"do\" without \"loop\""}, {3, 3, 5, E, "\"while\" without \"endwhile\""}}},
      {"while 1\nnext\nendwhile", {{2, 1, 4, E, "\"next\" without \"for\""}}},
      // Strings, comments and character codes.
      {"sendln 'it''s' \"a 'b'\" #13#10 'c';'\r\nsendln \"x\" ; it's", {}},
      {"sendln \"abc", {{1, 8, 4, E, "string not closed on this line"}}},
      {"sendln 'a' 'b  ", {{1, 12, 2, E, "string not closed on this line"}}},
      {"/* a\r\nsendlm\r\n*/ beep /* b */\r\nsendln '/* no comment'", {}},
      {"beep\n/* open", {{2, 1, 2, E, "comment not closed: \"/*\" without \"*/\""}}},
      {"; if a then\n;:label\n;goto nowhere", {}},
      // Labels.
      {"goto End\nbeep\n:end\ncall sub\nend\n:sub\nreturn", {}},
      {"goto nowhere", {{1, 6, 7, E, "no label \"nowhere\" for this goto"}}},
      {"call sub\n:sub2", {{1, 6, 3, E, "no label \"sub\" for this call"}}},
      {"include 'lib.ttl'\ncall sub",
       {{2, 6, 3, W, "no label \"sub\" in this macro; an included file may define it"}}},
      {"goto", {{1, 1, 4, E, "\"goto\" needs a label"}}},
      {":a\n:b\n  :A", {{3, 3, 2, E, "label \"A\" is defined twice (first on line 1)"}}},
      {":", {{1, 1, 1, E, "a label needs a name"}}},
      {"return\n:sub\nreturn", {{1, 1, 6, W, "\"return\" outside any label"}}},
      {"if x return", {{1, 6, 6, W, "\"return\" outside any label"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(check(c.macro), c.expected) << c.macro;
}

TEST_F(MacroCheckerTest, WithoutAKeywordFileCommandsAreNotChecked) {
  KeywordStore none;
  MacroChecker bare(none);
  EXPECT_EQ(bare.Check("sendlm 'x'\nif a then"),
            (std::vector<MacroFinding>{{2, 1, 2, E, "\"if\" without \"endif\""}}));
}

TEST_F(MacroCheckerTest, FindingsReadAsCompilersWriteThem) {
  EXPECT_EQ(FindingLine("a.ttl", {3, 7, 2, E, "\"if\" without \"endif\""}),
            "a.ttl:3:7: error: \"if\" without \"endif\"");
  EXPECT_EQ(FindingLine("b.ttl", {1, 1, 6, W, "\"return\" outside any label"}),
            "b.ttl:1:1: warning: \"return\" outside any label");
  EXPECT_FALSE(HasErrors({{1, 1, 6, W, "w"}}));
  EXPECT_TRUE(HasErrors({{1, 1, 6, W, "w"}, {2, 1, 1, E, "e"}}));
}

// The check of a run: the parent opens a block its child closes, so only the branch run
// pairs them; the keywords are replaced, but "$[n]" stays as it is, and nothing is asked.
TEST_F(MacroCheckerTest, ARunIsCheckedAsItsMacroIsAssembled) {
  TempFolder folder;
  const std::string program = folder.path() + "/";
  ScriptedDialogs dialogs;
  FakeStarter starter;
  ProgramPaths paths;
  WindowArranger windows;
  FakeSystem system;
  FixedClock clock{LocalTime{2026, 1, 2, 3, 4, 5}};
  MacroRunner runner(RunServices{dialogs, starter, paths, windows, system, clock, program});
  ConnectionTree tree;
  TreeNode* computer = ResetTree(tree);
  rVTNodeData parent, child;
  parent.Name = "Site";
  parent.Macro = EncodeNodeText("while 1\r\n  sendln '$user$ $[1]'", true);
  child.Name = "Host";
  child.Macro = EncodeNodeText("endwhile\r\n$[2]", true);
  TreeNode* site = tree.appendChild(computer, parent);
  TreeNode* host = tree.appendChild(site, child);

  RunInputs inputs;
  inputs.editorText = DecodeNodeText(child.Macro);
  EXPECT_EQ(CheckRunMacro(runner, *host, true, inputs, checker),
            (std::vector<MacroFinding>{{4, 1, 4, E, "unknown command \"$[2]\""}}));
  EXPECT_EQ(CheckRunMacro(runner, *host, false, inputs, checker),
            (std::vector<MacroFinding>{{1, 1, 8, E, "\"endwhile\" without \"while\""},
                                       {2, 1, 4, E, "unknown command \"$[2]\""}}));
  EXPECT_TRUE(dialogs.boxes().empty());
}

}  // namespace
}  // namespace testing
}  // namespace skelder
