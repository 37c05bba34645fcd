#include <gtest/gtest.h>

#include "core/editor/KeywordStore.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

using Section = std::optional<KeywordSection>;

KeywordStore Loaded(const std::string& text) {
  KeywordStore store;
  EXPECT_TRUE(store.Load(text)) << text;
  return store;
}

TEST(KeywordStoreTest, TheFileNeedsFiveLinesOfAnyKind) {
  KeywordStore store;
  EXPECT_FALSE(store.Load("[COMMANDS]\r\nbeep=1\r\nwait=2\r\nsendln=3\r\n"));
  EXPECT_TRUE(store.names().empty());
  EXPECT_FALSE(store.Load(""));
  // Five comment lines: loaded, every section empty.
  ASSERT_TRUE(store.Load(";a\n;b\n;c\n;d\n;e"));
  EXPECT_TRUE(store.names().empty());
  for (auto section : {KeywordSection::Commands, KeywordSection::SystemVariables,
                       KeywordSection::SkelderKeywords, KeywordSection::Operations})
    EXPECT_GT(store.first(section), store.last(section));
  // Lines end with CR LF, LF or CR; empty lines count.
  EXPECT_TRUE(store.Load("[COMMANDS]\rbeep=1\n\r\nwait=2\r\r"));
  EXPECT_EQ(store.SectionOf("wait"), KeywordSection::Commands);
}

TEST(KeywordStoreTest, EntriesGiveTheirNameAndNumber) {
  const KeywordStore store = Loaded(
      "; comment, with a comma\r\n"
      "\t ;indented comment\r\n"
      "[Commands]\r\n"
      "  Beep = 5 \r\n"
      "Wait\r\n"
      "send=\r\n"
      "sendln=abc\r\n"
      "x=y=7\r\n"
      "a,b\r\n"
      "pause\t=\t-3\r\n"
      "big=2147483648\r\n"
      "\r\n");
  EXPECT_EQ(store.names(), (std::vector<std::string>{"[Commands]", "beep", "Wait", "send", "sendln",
                                                     "x=y", "pause", "big"}));
  EXPECT_EQ(store.numbers(), (std::vector<int>{0, 5, 0, 0, 0, 7, -3, 0}));
  EXPECT_EQ(store.first(KeywordSection::Commands), 1);
  EXPECT_EQ(store.last(KeywordSection::Commands), 7);
  const struct {
    const char* word;
    Section section;
    int number;
  } cases[] = {
      {"beep", KeywordSection::Commands, 5},
      {"Beep", std::nullopt, 0},  // stored lower-cased
      {"wait", std::nullopt, 0},  // without "=" the entry keeps its case
      {"Wait", KeywordSection::Commands, 0},
      {"x=y", KeywordSection::Commands, 7},
      {"pause", KeywordSection::Commands, -3},
      {"a", std::nullopt, 0},  // "a,b" was dropped
      {"[Commands]", std::nullopt, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(store.SectionOf(c.word), c.section) << c.word;
    EXPECT_EQ(store.HelpNumber(c.word), c.number) << c.word;
  }
}

TEST(KeywordStoreTest, SectionsStandInAnyOrderAndTheFirstPlaceDecides) {
  const KeywordStore store = Loaded(
      "[SYMBOLS]\n"
      "<=\n"
      "=\n"
      "<>=91005\n"
      "[\n"
      "beep=7\n"
      "[skdkeywords]\n"
      "$pager$=0\n"
      "$user$=12\n"
      "[SYSVARS]\n"
      "result=91004\n"
      "[x\n"
      "outside=3\n"
      "[COMMANDS]\n"
      "beep=92001\n"
      "$user$=1\n"
      "[UNKNOWN]\n"
      "wait=92100\n");
  const struct {
    const char* word;
    Section section;
    int number;
  } cases[] = {
      {"<", KeywordSection::Operations, 0},  // "<=" read as the name "<"
      {"", KeywordSection::Operations, 0},   // "=" alone: an empty name
      {"<>", KeywordSection::Operations, 91005},
      {"[", KeywordSection::Operations, 0},  // "[" without "]" is no header
      {"beep", KeywordSection::Operations, 7},
      {"$pager$", KeywordSection::SkelderKeywords, 0},
      {"$user$", KeywordSection::SkelderKeywords, 12},
      {"result", KeywordSection::SystemVariables, 91004},
      {"outside", std::nullopt, 3},  // "[x" ended the system variables
      {"wait", std::nullopt, 92100},
      {"[SYSVARS]", std::nullopt, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(store.SectionOf(c.word), c.section) << c.word;
    EXPECT_EQ(store.HelpNumber(c.word), c.number) << c.word;
  }
  EXPECT_TRUE(store.IsSkelderKeyword("$pager$"));
  EXPECT_FALSE(store.IsSkelderKeyword("$PAGER$"));
  EXPECT_FALSE(store.IsSkelderKeyword("beep"));
}

TEST(KeywordStoreTest, AWordOfTwoSectionsIsASkelderKeywordWhereverItStandsFirst) {
  const KeywordStore store =
      Loaded("[COMMANDS]\n$user$=1\n[SKDKEYWORDS]\n$user$=2\n$name$\n[SYMBOLS]\n");
  EXPECT_EQ(store.SectionOf("$user$"), KeywordSection::Commands);
  EXPECT_EQ(store.HelpNumber("$user$"), 1);
  EXPECT_TRUE(store.IsSkelderKeyword("$user$"));
  EXPECT_TRUE(store.IsSkelderKeyword("$name$"));
}

TEST(KeywordStoreTest, TheProgramsKeywordFileKnowsTheLanguage) {
  KeywordStore store;
  ASSERT_TRUE(store.LoadKeywords(SKELDER_SOURCE_DIR "/data/KeyFile.ini"));
  const struct {
    const char* word;
    Section section;
    int number;
  } cases[] = {
      {"sendln", KeywordSection::Commands, 92078},
      {"endwhile", KeywordSection::Commands, 92104},
      {"result", KeywordSection::SystemVariables, 91004},
      {"groupmatchstr9", KeywordSection::SystemVariables, 91004},
      {"$logfilename$", KeywordSection::SkelderKeywords, 0},
      {"$[8]", KeywordSection::SkelderKeywords, 0},
      {"<>", KeywordSection::Operations, 91005},
      {"=", KeywordSection::Operations, 91005},
      {"xor", KeywordSection::Operations, 91005},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(store.SectionOf(c.word), c.section) << c.word;
    EXPECT_EQ(store.HelpNumber(c.word), c.number) << c.word;
  }
  EXPECT_TRUE(store.IsSkelderKeyword("$connection$"));
  EXPECT_FALSE(store.IsSkelderKeyword("$[9]"));
}

TEST(KeywordStoreTest, AMissingFileLeavesTheStoreEmpty) {
  KeywordStore store;
  ASSERT_TRUE(store.Load("[COMMANDS]\nbeep=1\n\n\n\n"));
  TempFolder folder;
  EXPECT_FALSE(store.LoadKeywords(folder.file("KeyFile.ini")));
  EXPECT_TRUE(store.names().empty());
  EXPECT_EQ(store.SectionOf("beep"), std::nullopt);
  EXPECT_EQ(store.HelpNumber("beep"), 0);
}

}  // namespace
}  // namespace skelder::testing
