#include <gtest/gtest.h>

#include <algorithm>

#include "core/editor/CompletionList.h"
#include "core/editor/ContextHelp.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

TEST(CompletionListTest, LinesGiveInsertAndDisplayTexts) {
  CompletionList list;
  list.insertTexts = {"old"};
  list.Read(
      "# comment::x\r\n"
      "; comment::x\r\n"
      "::send\r\n"
      "ab::\r\n"
      "a::\n"
      "abcd\r"
      "if<CR>endif::if ... endif\n"
      "  \tsendln ::sendln <string>  \r\n"
      "x::y::z\n"
      "tail::last");
  EXPECT_EQ(list.insertTexts,
            (std::vector<std::string>{"ab", "if\r\nendif", "sendln ", "x", "tail"}));
  EXPECT_EQ(list.displayTexts,
            (std::vector<std::string>{"", "if ... endif", "sendln <string>", "y::z", "last"}));
}

TEST(CompletionListTest, EveryLineOfALongFileIsRead) {
  std::string text;
  for (int i = 0; i < 300; ++i)
    text += "w" + std::to_string(i) + "::W" + std::to_string(i) + "\r\n";
  CompletionList list;
  list.Read(text);
  ASSERT_EQ(list.insertTexts.size(), 300u);
  EXPECT_EQ(list.insertTexts.back(), "w299");
  EXPECT_EQ(list.displayTexts.back(), "W299");
}

TEST(CompletionListTest, TheProgramsListLoadsAndAMissingFileLeavesTheListAlone) {
  CompletionList list;
  ASSERT_TRUE(list.Load(SKELDER_SOURCE_DIR "/data/SynComp.pro"));
  ASSERT_FALSE(list.insertTexts.empty());
  EXPECT_EQ(list.insertTexts.size(), list.displayTexts.size());
  EXPECT_NE(std::find(list.insertTexts.begin(), list.insertTexts.end(), "sendln "),
            list.insertTexts.end());
  EXPECT_NE(std::find(list.insertTexts.begin(), list.insertTexts.end(), "if  then\r\nendif"),
            list.insertTexts.end());
  TempFolder folder;
  const auto before = list.insertTexts;
  EXPECT_FALSE(list.Load(folder.file("SynComp.pro")));
  EXPECT_EQ(list.insertTexts, before);
}

TEST(CompletionListTest, DisplayTextsLoseTheirFormattingCodes) {
  const struct {
    const char* display;
    const char* plain;
  } cases[] = {
      {"\\style{+B}sendln\\style{-B} <string>", "sendln <string>"},
      {"wait\\column{}<strings>", "wait<strings>"},
      {"C:\\path {x}", "C:\\path {x}"},
      {"\\1{}x", "\\1{}x"},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlainDisplayText(c.display), c.plain) << c.display;
}

TEST(ContextHelpTest, TheWordAtTheCaretIsMadeOfWordCharacters) {
  const struct {
    const char* line;
    size_t index;
    const char* word;
  } cases[] = {
      {"sendln 'x'", 3, "sendln"},
      {"sendln 'x'", 6, "sendln"},
      {"sendln 'x'", 0, "sendln"},
      {"x = $pager$", 6, "$pager$"},
      {"x = $pager$", 11, "$pager$"},
      {"a ; b", 2, ""},
      {"if result=2", 5, "result=2"},
      {"", 0, ""},
      {"ab", 9, "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(WordAt(c.line, c.index), c.word) << c.line << c.index;
}

TEST(ContextHelpTest, HelpNumbersLeadToTheirHelpFile) {
  const struct {
    int number;
    HelpTopic topic;
  } cases[] = {
      {0, {HelpSource::CurrentFile, 6050}},   {-4, {HelpSource::CurrentFile, 6050}},
      {1, {HelpSource::Product, 1}},          {9999, {HelpSource::Product, 9999}},
      {10000, {HelpSource::TeraTerm, 10000}}, {92078, {HelpSource::TeraTerm, 92078}},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpTopicOf(c.number), c.topic) << c.number;
}

}  // namespace
}  // namespace skelder::testing
