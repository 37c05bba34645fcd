#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/editor/TtlCharacters.h"
#include "core/editor/TtlScanner.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

const char kKeywords[] =
    "[COMMANDS]\n"
    "sendln=92078\n"
    "beep=92001\n"
    "if=92050\n"
    "goto=92049\n"
    "wait=92100\n"
    "[SYSVARS]\n"
    "result=91004\n"
    "[SKDKEYWORDS]\n"
    "$pager$=0\n"
    "[SYMBOLS]\n"
    "==91005\n"
    "a+b=91005\n";

// A token as "kind:text", the kind by its code.
using Tokens = std::vector<std::string>;

class TtlScannerTest : public ::testing::Test {
 protected:
  TtlScannerTest() : scanner(keywords) { keywords.Load(kKeywords); }

  Tokens scan(const std::string& line) {
    Tokens tokens;
    int next = 0;
    for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next()) {
      EXPECT_EQ(scanner.TokenStart(), next) << line;
      next = scanner.TokenStart() + scanner.TokenLength();
      tokens.push_back(std::to_string(static_cast<int>(scanner.Kind())) + ":" +
                       scanner.TokenText());
    }
    EXPECT_EQ(next, static_cast<int>(line.size())) << line;
    return tokens;
  }

  KeywordStore keywords;
  TtlScanner scanner;
};

TEST_F(TtlScannerTest, LinesSplitIntoTokensOfTheirKinds) {
  const struct {
    std::string line;
    Tokens tokens;
  } cases[] = {
      {"sendln 'x'", {"2:sendln", "6: ", "7:'x'"}},
      {"SendLn \"it's\"", {"2:SendLn", "6: ", "7:\"it's\""}},
      {":pswd ; not a comment", {"3::pswd ; not a comment"}},
      {"; see #13 here", {"0:; see #13", "6: ", "10:here"}},
      {"'abc", {"7:'abc"}},
      {"'a''b'", {"7:'a'", "7:'b'"}},
      {"123", {"10:1", "10:2", "10:3"}},
      {"x123", {"10:x123"}},
      {"if result = 2 goto pswd",
       {"2:if", "6: ", "9:result", "6: ", "8:=", "6: ", "10:2", "6: ", "2:goto", "6: ", "10:pswd"}},
      {"a+b", {"8:a+b"}},
      {"a + b", {"10:a", "6: ", "10:+", "6: ", "10:b"}},
      {"mypager = $pager$", {"10:mypager", "6: ", "8:=", "6: ", "4:$pager$"}},
      // The word is looked up with what follows it up to the next space.
      {"beep;note", {"10:beep", "0:;note"}},
      {"sendln'x'", {"10:sendln", "7:'x'"}},
      {"sendln\t'x'", {"10:sendln", "6:\t", "7:'x'"}},
      {"beep\t\r\n", {"2:beep", "6:\t\r\n"}},
      {"wait\r\n", {"2:wait", "6:\r\n"}},
      {"\r\n", {"6:\r\n"}},
      {"\n", {"6:\n"}},
      {"x!y#{}", {"10:x", "10:!", "10:y", "10:#", "10:{", "10:}"}},
      {"\xE4\xF6", {"10:\xE4", "10:\xF6"}},
      {std::string("a\0b", 3), {"10:a", std::string("10:\0", 4), "10:b"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(scan(c.line), c.tokens) << c.line;
}

TEST_F(TtlScannerTest, TheRangeTellsWhereALineEndedButEveryTokenStartsAfresh) {
  const struct {
    std::string line;
    RangeState range;
  } cases[] = {
      {"'abc", RangeState::SingleQuoted}, {"\"abc", RangeState::DoubleQuoted},
      {"'abc'", RangeState::None},        {"; comment", RangeState::Comment},
      {":label", RangeState::Label},      {"; ends #13", RangeState::None},
  };
  for (const auto& c : cases) {
    scanner.StartLine(c.line);
    EXPECT_EQ(scanner.Range(), c.range) << c.line;
    scanner.SetRange(RangeState::Comment);
    scanner.Next();
    EXPECT_TRUE(scanner.AtEndOfLine());
    EXPECT_EQ(scanner.Range(), RangeState::None);
  }
  // The line after an open string is scanned from the start state.
  EXPECT_EQ(scan("beep 'x"), (Tokens{"2:beep", "6: ", "7:'x"}));
  EXPECT_EQ(scan("beep"), (Tokens{"2:beep"}));
}

TEST_F(TtlScannerTest, ALeadByteTakesTheNextByteWithIt) {
  scanner.setLeadByte([](unsigned char c) { return c >= 0x81 && c <= 0x9F; });
  EXPECT_EQ(scan("\x82\xA0x\x82"), (Tokens{"10:\x82\xA0", "10:x", "10:\x82"}));
}

TEST_F(TtlScannerTest, ClassifyTakesTheRestOfTheLine) {
  const struct {
    const char* rest;
    TokenKind kind;
  } cases[] = {
      {"sendln 'x'", TokenKind::Command},  {"SENDLN", TokenKind::Command},
      {"sendln  \t ", TokenKind::Command}, {"sendln\t'x'", TokenKind::Other},
      {"result=2", TokenKind::Other},      {"$PAGER$ x", TokenKind::SkelderKeyword},
      {"= 2", TokenKind::Operation},       {"unknown", TokenKind::Other},
      {"[COMMANDS]", TokenKind::Other},
  };
  for (const auto& c : cases) EXPECT_EQ(scanner.Classify(c.rest), c.kind) << c.rest;
}

TEST_F(TtlScannerTest, WordsOfALongLineWithoutBlanksAreLookedUpAsFarAsTheLongestKeyword) {
  std::string line;
  for (int i = 0; i < 100000; ++i) line += "a,";
  line += "beep";
  scanner.StartLine(line);
  for (int i = 0; i < 200000; ++i, scanner.Next())
    ASSERT_EQ(scanner.Kind(), TokenKind::Other) << i;  // "a,a,...": longer than any keyword
  EXPECT_EQ(scanner.TokenText(), "beep");
  EXPECT_EQ(scanner.Kind(), TokenKind::Command);  // last on its line
  EXPECT_EQ(keywords.longestName(), 13u);         // "[SKDKEYWORDS]", a header stays a name
  EXPECT_EQ(scanner.Classify("$pager$"), TokenKind::SkelderKeyword);
  EXPECT_EQ(scanner.Classify("$pager$x"), TokenKind::Other);
  EXPECT_EQ(scanner.Classify("sendln" + std::string(100000, '.')), TokenKind::Other);
  EXPECT_EQ(scanner.Classify("sendln " + std::string(100000, '.')), TokenKind::Command);
}

TEST_F(TtlScannerTest, WordCharactersAreTheLanguagesOwn) {
  std::string word, start;
  for (int c = 1; c < 256; ++c) {
    if (IsWordChar(static_cast<char>(c))) word += static_cast<char>(c);
    if (IsWordStartChar(static_cast<char>(c))) start += static_cast<char>(c);
  }
  EXPECT_EQ(word, kWordCharacters);
  EXPECT_EQ(start, "$%()*+-/<=>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz");
}

// Tera Term's own sample macros, with the program's keyword file.
TEST(TtlScannerSamples, SampleMacrosAreCoveredTokenByToken) {
  KeywordStore keywords;
  ASSERT_TRUE(keywords.LoadKeywords(SKELDER_SOURCE_DIR "/data/KeyFile.ini"));
  TtlScanner scanner(keywords);
  int macros = 0;
  std::map<std::string, TokenKind> seen;
  for (const auto& entry : std::filesystem::directory_iterator(SKELDER_TESTDATA "/teraterm")) {
    if (entry.path().extension() != ".ttl") continue;
    ++macros;
    const std::string text = ReadFileBytes(entry.path().string());
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      end = end == std::string::npos ? text.size() : end + 1;
      const std::string line = text.substr(start, end - start);
      std::string joined;
      for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next()) {
        joined += scanner.TokenText();
        seen.emplace(scanner.TokenText(), scanner.Kind());
      }
      EXPECT_EQ(joined, line) << entry.path();
      start = end;
    }
  }
  EXPECT_GE(macros, 5);
  EXPECT_EQ(seen["connect"], TokenKind::Command);
  EXPECT_EQ(seen["sendln"], TokenKind::Command);
  EXPECT_EQ(seen["inputstr"], TokenKind::SystemVariable);
  EXPECT_EQ(seen["; Sample macro for Tera Term\r\n"], TokenKind::Comment);
  EXPECT_EQ(seen["'Username:'"], TokenKind::String);
}

}  // namespace
}  // namespace skelder::testing
