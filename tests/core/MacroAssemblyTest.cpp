#include <gtest/gtest.h>

#include "core/run/MacroAssembly.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"

namespace skelder {
namespace {

rVTNodeData Connection(const std::string& name, const std::string& macro) {
  rVTNodeData data;
  data.Name = name;
  data.Macro = EncodeNodeText(macro, true);
  return data;
}

std::vector<std::string> Lines(const MacroLineList& list) { return list.lines(); }

TEST(MacroLineListTest, SplitsAtEveryLineBreakAndEndsEachLineWithCrLf) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"a\n\r", {"a", ""}},  // LF then CR are two breaks
  };
  for (const auto& [text, lines] : cases) {
    MacroLineList list;
    list.load(text);
    EXPECT_EQ(list.lines(), lines) << text;
    std::string joined;
    for (const auto& line : lines) joined += line + "\r\n";
    EXPECT_EQ(list.text(), joined) << text;
  }
}

TEST(MacroAssemblyTest, TextToCursorEndsWithTheCaretsWholeLine) {
  const std::string editor = "l1\nl2\r\nl3 more\rl4\nl5";
  const std::pair<int, std::string> cases[] = {
      {0, "l1\r\n"},
      {2, "l1\r\nl2\r\nl3 more\r\n"},
      {4, "l1\r\nl2\r\nl3 more\r\nl4\r\nl5\r\n"},
      {9, "l1\r\nl2\r\nl3 more\r\nl4\r\nl5\r\n"},
  };
  for (const auto& [caret, text] : cases) EXPECT_EQ(CaptureTextToCursor(editor, caret), text);
  EXPECT_EQ(CaptureTextToCursor("", 0), "");
}

TEST(MacroAssemblyTest, NameKeywordsTakeTheFirstWordAndTheWholeName) {
  struct Case {
    std::string text, name, expected;
  };
  const Case cases[] = {
      {"$connection$ / $CONNECTION$", "Web server 1", "Web / Web server 1"},
      {"$connection$ / $CONNECTION$", "gateway", "gateway / gateway"},
      {"[$connection$$connection$]", "a b", "[aa]"},
      {"$Connection$ $CONNECTion$ $connection", "Web server 1",
       "$Connection$ $CONNECTion$ $connection"},
      {"a$connection$b$CONNECTION$c", "", "abc"},
      // Text put in is not searched again, so a name holding the keyword cannot loop.
      {"$connection$ and $CONNECTION$", "$connection$ x", "$connection$ and $connection$ x"},
      {"$CONNECTION$", "$CONNECTION$$CONNECTION$", "$CONNECTION$$CONNECTION$"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceNameKeywords(c.text, c.name, "$connection$", "$CONNECTION$"), c.expected)
        << c.text << " / " << c.name;
}

// This computer > A > B > C, one-line macros without trailing line breaks.
class BranchTest : public ::testing::Test {
 protected:
  BranchTest() {
    computer = ResetTree(tree);
    computer->data.Macro = EncodeNodeText("computer macro", true);
    a = tree.appendChild(computer, Connection("A", "a1"));
    b = tree.appendChild(a, Connection("B", "b1"));
    c = tree.appendChild(b, Connection("C", "c1"));
  }
  std::string assemble(const TreeNode* node, bool wholeMacro, bool withAncestors,
                       const EditorText& editor = {}) {
    return AssembleMacro(*node, wholeMacro, withAncestors, editor, list);
  }

  ConnectionTree tree;
  TreeNode *computer, *a, *b, *c;
  MacroLineList list;
};

TEST_F(BranchTest, ABranchPutsTheAncestorsMacrosFirst) {
  EXPECT_EQ(assemble(c, true, true), "A_B_C_");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a1", "b1", "c1"}));
  EXPECT_EQ(assemble(c, true, false), "C_");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"c1"}));
  EXPECT_EQ(assemble(a, true, true), "A_");  // the ComputerNode's macro never goes in
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a1"}));
}

TEST_F(BranchTest, EveryPieceOfTextGetsTheNamesOfItsOwnNode) {
  a->data = Connection("Alpha one", "A: $connection$|$CONNECTION$|$parent$|$PARENT$");
  b->data = Connection("Beta two", "B: $connection$|$CONNECTION$|$parent$|$PARENT$");
  c->data = Connection("Gamma", "C: $connection$|$CONNECTION$|$parent$|$PARENT$|$Parent$");
  EXPECT_EQ(assemble(c, true, true), "Alpha one_Beta two_Gamma_");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{
                             "A: Alpha|Alpha one||",
                             "B: Beta|Beta two|Alpha|Alpha one",
                             "C: Gamma|Gamma|Beta|Beta two|$Parent$",
                         }));
  // Only a mixed-case form: it sets the step off but stays.
  c->data = Connection("Gamma", "$pARENT$ $parent$");
  assemble(c, true, false);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"$pARENT$ Beta"}));
}

TEST_F(BranchTest, AncestorsAddTheirMacrosWithALineBreakBetween) {
  a->data = Connection("", "");         // an empty name adds nothing, an empty macro a line
  b->data = Connection("B", "b1\r\n");  // a macro ending with a line break adds an empty line
  EXPECT_EQ(assemble(c, true, true), "B_C_");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"", "b1", "", "c1"}));
}

TEST_F(BranchTest, TheOwnTextComesFromTheEditorWhileEditsArePendingOrToTheCursor) {
  EditorText editor;
  editor.text = "edited 1\nedited $connection$\nedited 3";
  editor.toCursor = "to cursor\r\n";
  assemble(c, true, true, editor);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a1", "b1", "c1"}));
  editor.pendingEdits = true;
  assemble(c, true, true, editor);
  EXPECT_EQ(Lines(list),
            (std::vector<std::string>{"a1", "b1", "edited 1", "edited C", "edited 3"}));
  assemble(c, false, true, editor);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a1", "b1", "to cursor"}));
}

}  // namespace
}  // namespace skelder
