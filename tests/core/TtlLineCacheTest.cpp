#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor/TtlLineCache.h"

namespace skelder::testing {
namespace {

const char kKeywords[] =
    "[COMMANDS]\nsendln=92078\nbeep=92001\nif=92050\n[SYSVARS]\nresult=91004\n"
    "[SKDKEYWORDS]\n$pager$=0\n[SYMBOLS]\n==91005\n";

// The kind of every byte of the line, as the editor holds the styles.
std::vector<int> Styles(TtlScanner& scanner, const std::string& line) {
  std::vector<int> styles;
  for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next())
    styles.insert(styles.end(), static_cast<std::size_t>(scanner.TokenLength()),
                  static_cast<int>(scanner.Kind()));
  return styles;
}

class TtlLineCacheTest : public ::testing::Test {
 protected:
  TtlLineCacheTest() : scanner(keywords) { keywords.Load(kKeywords); }

  // Styles the line with the cache as the lexer does: the bytes before the resume
  // point keep the styles they had.
  std::vector<int> restyle(std::vector<int> styles, const std::string& line, std::size_t unchanged,
                           std::size_t* resumed = nullptr) {
    const std::size_t from = cache.resumePoint(line, unchanged, scanner.Reach());
    if (resumed) *resumed = from;
    styles.resize(from);
    cache.scan(scanner, line, from, [&](int length, TokenKind kind) {
      styles.insert(styles.end(), static_cast<std::size_t>(length), static_cast<int>(kind));
    });
    return styles;
  }

  KeywordStore keywords;
  TtlScanner scanner;
  TtlLineCache cache;
};

}  // namespace

TEST_F(TtlLineCacheTest, TypingAtTheEndOfALongLineRescansOnlyItsTail) {
  std::string line;
  for (int i = 0; i < 50000; ++i) line += "a,";
  std::vector<int> styles = restyle({}, line, 0);
  EXPECT_EQ(styles, Styles(scanner, line));
  line += "beep";
  std::size_t resumed = 0;
  styles = restyle(styles, line, line.size() - 4, &resumed);
  EXPECT_EQ(styles, Styles(scanner, line));
  EXPECT_GE(resumed, line.size() - 4 - scanner.Reach() - 1);
  EXPECT_EQ(styles.back(), static_cast<int>(TokenKind::Command));
  // A line that begins otherwise, or nothing known unchanged, starts from the beginning.
  EXPECT_EQ(cache.resumePoint("b" + line, line.size(), scanner.Reach()), 0u);
  EXPECT_EQ(cache.resumePoint(line, 0, scanner.Reach()), 0u);
}

TEST_F(TtlLineCacheTest, ResumingGivesTheStylesOfAWholeScanAfterAnyEdit) {
  const std::vector<std::string> pieces = {"beep", "sendln",  " ",    "\t", ";",   ":",
                                           "#13",  "'",       "\"",   "x",  "1",   ",",
                                           "==",   "$pager$", "\r\n", "if", "res", "ult"};
  unsigned seed = 777;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    for (unsigned i = 1 + next(30); i > 0; --i) line += pieces[next(pieces.size())];
    std::vector<int> styles = restyle({}, line, 0);
    for (int edit = 0; edit < 5; ++edit) {
      const std::size_t at = next(static_cast<unsigned>(line.size()) + 1);
      if (next(2) && at < line.size()) {
        line.erase(at, 1 + next(3));
      } else {
        line.insert(at, pieces[next(pieces.size())]);
      }
      styles = restyle(styles, line, at);
      ASSERT_EQ(styles, Styles(scanner, line)) << round << ": " << line;
    }
  }
}

}  // namespace skelder::testing
