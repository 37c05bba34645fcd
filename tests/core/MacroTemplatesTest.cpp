#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/editor/KeywordStore.h"
#include "core/editor/MacroTemplates.h"
#include "core/editor/TtlScanner.h"
#include "core/text/Texts.h"
#include "support/TempFolder.h"

namespace skelder::testing {
namespace {

using Texts = std::vector<std::string>;

// An item as "caption|tag|header line", a separator as "-|header line".
Texts Describe(const MacroTemplates& templates) {
  Texts items;
  for (const TemplateMenuItem& item : templates.items())
    items.push_back(item.separator ? "-|" + std::to_string(item.headerLine)
                                   : item.caption + "|" + std::to_string(item.tag) + "|" +
                                         std::to_string(item.headerLine));
  return items;
}

const char kExample[] =
    "[MACRO_TEMPLATE Telnet]\r\n"
    "connect 'host:23 /nossh'\r\n"
    "[MACRO_TEMPLATE SEPARATOR]\r\n"
    "junk\r\n"
    "[macro_template SSH\r\n"
    "connect 'host:22 /ssh'\r\n";

TEST(MacroTemplatesTest, HeadersGiveTheItemsAndTheLinesBelowThemTheBodies) {
  const struct {
    const char* what;
    std::string text;
    Texts items;
    Texts bodies;
  } cases[] = {
      {"the separator's lines are ignored, a header without \"]\" runs to the line's end",
       kExample,
       {"Telnet|0|0", "-|2", "SSH|1|4"},
       {"connect 'host:23 /nossh'\r\n", "connect 'host:22 /ssh'\r\n"}},
      {"LF line ends",
       "[MACRO_TEMPLATE Telnet]\nconnect 'host:23'\n[MACRO_TEMPLATE SSH]\nbeep",
       {"Telnet|0|0", "SSH|1|2"},
       {"connect 'host:23'\r\n", "beep\r\n"}},
      {"lone CR line ends",
       "[MACRO_TEMPLATE Telnet]\rconnect 'host:23'\r\r[MACRO_TEMPLATE SSH]",
       {"Telnet|0|0", "SSH|1|3"},
       {"connect 'host:23'\r\n\r\n", ""}},
      {"no blank after the word: a body line",
       "[MACRO_TEMPLATE A]\r\n[MACRO_TEMPLATE]\r\nbeep\r\n",
       {"A|0|0"},
       {"[MACRO_TEMPLATE]\r\nbeep\r\n"}},
      {"blanks and tabs before the header",
       "   [MACRO_TEMPLATE Dial-up]\r\n\t [mAcRo_TeMpLaTe Two]",
       {"Dial-up|0|0", "Two|1|1"},
       {"", ""}},
      {"empty bodies, in the middle and at the end",
       "[MACRO_TEMPLATE Empty]\r\n[MACRO_TEMPLATE Beep]\r\nbeep\r\n[MACRO_TEMPLATE Last]\r\n",
       {"Empty|0|0", "Beep|1|1", "Last|2|3"},
       {"", "beep\r\n", ""}},
      {"lines before the first header belong to nothing",
       "; templates\r\nbeep\r\n\r\n[MACRO_TEMPLATE A]\r\nwait 'x'",
       {"A|0|3"},
       {"wait 'x'\r\n"}},
      {"body lines stay as written, blank lines too",
       "[MACRO_TEMPLATE A]\r\n\r\n  sendln 'x'  \r\n\t\r\n",
       {"A|0|0"},
       {"\r\n  sendln 'x'  \r\n\t\r\n"}},
      {"the name as written, up to the first \"]\"",
       "[MACRO_TEMPLATE  Two  Blanks ] tail\r\n[Macro_Template MiXed]]\r\n[MACRO_TEMPLATE a]b]\r\n"
       "[MACRO_TEMPLATE ]\r\n[MACRO_TEMPLATE open end  ",
       {" Two  Blanks |0|0", "MiXed|1|1", "a|2|2", "|3|3", "open end  |4|4"},
       {"", "", "", "", ""}},
      {"separators in any case; other names that begin with the word are templates",
       "[MACRO_TEMPLATE sEpArAtOr]\r\nx\r\n[MACRO_TEMPLATE SEPARATOR2]\r\n"
       "[MACRO_TEMPLATE  SEPARATOR]\r\n[MACRO_TEMPLATE SEPARATOR\r\n",
       {"-|0", "SEPARATOR2|0|2", " SEPARATOR|1|3", "-|4"},
       {"", ""}},
      {"a header must begin the trimmed line",
       "x [MACRO_TEMPLATE A]\r\n[MACRO_TEMPLATEA]\r\n",
       {},
       {}},
      {"no headers", "connect 'host'\r\nwait 'login:'\r\n", {}, {}},
      {"an empty file", "", {}, {}},
  };
  for (const auto& c : cases) {
    MacroTemplates templates;
    templates.Read(c.text);
    EXPECT_EQ(Describe(templates), c.items) << c.what;
    EXPECT_EQ(templates.bodies(), c.bodies) << c.what;
  }
}

TEST(MacroTemplatesTest, ItemsAreNamedAfterTheirHeaderLines) {
  MacroTemplates templates;
  templates.Read(kExample);
  ASSERT_EQ(templates.items().size(), 3u);
  EXPECT_EQ(templates.items()[0].name(), "MnTemplate0");
  EXPECT_EQ(templates.items()[1].name(), "MnTemplate2");
  EXPECT_EQ(templates.items()[2].name(), "MnTemplate4");
  EXPECT_EQ(templates.items()[1].caption, "");
  EXPECT_EQ(templates.items()[1].tag, 0);
}

TEST(MacroTemplatesTest, AFileReplacesTheItemsOnlyWhenItCanBeRead) {
  TempFolder folder;
  const std::string path = folder.file("ttmacro.tpl");
  WriteFileBytes(path, kExample);
  MacroTemplates templates;
  EXPECT_EQ(templates.Load(path), MacroTemplates::LoadResult::Read);
  const Texts items = {"Telnet|0|0", "-|2", "SSH|1|4"};
  const Texts bodies = {"connect 'host:23 /nossh'\r\n", "connect 'host:22 /ssh'\r\n"};
  EXPECT_EQ(Describe(templates), items);

  // A file that is gone, or a folder where the file was, leaves the items and bodies.
  std::filesystem::remove(path);
  EXPECT_EQ(templates.Load(path), MacroTemplates::LoadResult::Missing);
  std::filesystem::create_directory(path);
  EXPECT_EQ(templates.Load(path), MacroTemplates::LoadResult::Missing);
  EXPECT_EQ(Describe(templates), items);
  EXPECT_EQ(templates.bodies(), bodies);

#ifdef __linux__
  // A regular file whose reading fails: this process's memory from address 0.
  std::error_code error;
  EXPECT_EQ(templates.Load("/proc/self/mem", &error), MacroTemplates::LoadResult::Unreadable);
  EXPECT_TRUE(error);
  EXPECT_EQ(Describe(templates), items);
  EXPECT_EQ(templates.bodies(), bodies);
#endif

  // A file without headers empties the menu.
  const std::string other = folder.file("plain.tpl");
  WriteFileBytes(other, "connect 'host'\r\n");
  EXPECT_EQ(templates.Load(other), MacroTemplates::LoadResult::Read);
  EXPECT_EQ(Describe(templates), Texts{});
  EXPECT_EQ(templates.bodies(), Texts{});
}

TEST(MacroTemplatesTest, InsertingReplacesTheSelectionAndLeavesAnEmptyLineAfterTheTemplate) {
  const std::string body = "beep\r\nwait 'x'\r\n";
  const std::string lines = "one\r\ntwo\r\nthree\r\n";
  const struct {
    const char* what;
    std::string text;
    size_t start, end;
    bool firstColumn;
    std::string body;
    std::string expected;
    size_t caret;
  } cases[] = {
      {"caret in column 1 of line 3", lines, 10, 10, true, body,
       "one\r\ntwo\r\nbeep\r\nwait 'x'\r\n\r\nthree\r\n", 26},
      {"caret inside a line splits it", "sendln 'x'", 6, 6, false, body,
       "sendln\r\nbeep\r\nwait 'x'\r\n\r\n 'x'", 24},
      {"caret at the end of the last line", "one", 3, 3, false, body,
       "one\r\nbeep\r\nwait 'x'\r\n\r\n", 21},
      {"a selection is replaced", lines, 5, 8, false, body,
       "one\r\n\r\nbeep\r\nwait 'x'\r\n\r\n\r\nthree\r\n", 23},
      {"a selection made backwards", lines, 8, 5, false, body,
       "one\r\n\r\nbeep\r\nwait 'x'\r\n\r\n\r\nthree\r\n", 23},
      {"whole lines selected, caret in column 1 after them", lines, 5, 17, true, body,
       "one\r\nbeep\r\nwait 'x'\r\n\r\n", 21},
      {"an empty body in column 1 inserts one line break", lines, 5, 5, true, "",
       "one\r\n\r\ntwo\r\nthree\r\n", 5},
      {"an empty body inside a line inserts two", "onetwo", 3, 3, false, "", "one\r\n\r\ntwo", 5},
      {"an empty editor", "", 0, 0, true, body, "beep\r\nwait 'x'\r\n\r\n", 16},
      {"positions beyond the text count as its end", "ab", 10, 20, false, body,
       "ab\r\nbeep\r\nwait 'x'\r\n\r\n", 20},
  };
  for (const auto& c : cases) {
    const TemplateInsertion insertion =
        InsertTemplate(c.text, c.start, c.end, c.firstColumn, c.body);
    EXPECT_EQ(insertion.text, c.expected) << c.what;
    EXPECT_EQ(insertion.caret, c.caret) << c.what;
  }
}

// The tokens of a line but its blanks, as "kind:text" with the kind by its code.
Texts Words(TtlScanner& scanner, const std::string& line) {
  Texts words;
  for (scanner.StartLine(line); !scanner.AtEndOfLine(); scanner.Next())
    if (scanner.Kind() != TokenKind::Space)
      words.push_back(std::to_string(static_cast<int>(scanner.Kind())) + ":" +
                      LowerCase(scanner.TokenText()));
  return words;
}

// The template file that ships with the program. Its bodies are checked as TTL with the
// program's own keyword file: a word in command position (the first word of a line that
// is no label, comment or assignment) must be a command, blocks must close in the body
// that opens them and every goto must find its label there.
TEST(MacroTemplatesTest, TheShippedTemplatesAreTtl) {
  const std::string text = ReadFileBytes(SKELDER_SOURCE_DIR "/data/ttmacro.tpl");
  MacroTemplates templates;
  templates.Read(text);
  KeywordStore keywords;
  ASSERT_TRUE(keywords.LoadKeywords(SKELDER_SOURCE_DIR "/data/KeyFile.ini"));
  TtlScanner scanner(keywords);

  for (size_t at = text.find_first_of("\r\n"); at != std::string::npos;
       at = text.find_first_of("\r\n", at + 2))
    ASSERT_EQ(text.compare(at, 2, "\r\n"), 0) << "a line end other than CR LF at " << at;
  ASSERT_FALSE(templates.items().empty());
  EXPECT_FALSE(templates.items().front().separator);
  EXPECT_FALSE(templates.items().back().separator);
  int separators = 0;
  for (size_t i = 0; i < templates.items().size(); ++i) {
    const TemplateMenuItem& item = templates.items()[i];
    if (!item.separator) continue;
    ++separators;
    EXPECT_FALSE(templates.items()[i - 1].separator) << "two separators at " << item.name();
  }
  EXPECT_GE(separators, 3);
  EXPECT_GE(templates.bodies().size(), 12u);

  const std::map<std::string, std::string> closers = {{"then", "endif"},
                                                      {"do", "loop"},
                                                      {"for", "next"},
                                                      {"while", "endwhile"},
                                                      {"until", "enduntil"}};
  for (const TemplateMenuItem& item : templates.items()) {
    if (item.separator) continue;
    const std::string& body = templates.bodies()[item.tag];
    EXPECT_NE(TrimText(body), "") << item.caption;
    EXPECT_FALSE(body.size() >= 4 && body.compare(body.size() - 4, 4, "\r\n\r\n") == 0)
        << item.caption << ": ends with an empty line";
    Texts open, labels, gotos;
    for (const std::string& line : SplitLines(body)) {
      const Texts words = Words(scanner, line);
      if (words.empty()) continue;
      if (words[0].rfind("3::", 0) == 0) labels.push_back(words[0].substr(3));
      if (words[0][0] == '0' || words[0][0] == '3') continue;
      if (words.size() > 1 && words[1] == "8:=") continue;
      EXPECT_EQ(words[0].substr(0, 2), "2:") << item.caption << ": " << line;
      const std::string command = words[0].substr(2);
      for (size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == "2:goto") gotos.push_back(words[i + 1].substr(words[i + 1].find(':') + 1));
      const std::string opener = command == "if" ? words.back().substr(2) : command;
      if (opener == "else" || opener == "elseif") {
        EXPECT_TRUE(!open.empty() && open.back() == "endif") << item.caption << ": " << line;
      } else if (closers.count(opener) && (command != "if" || opener == "then")) {
        open.push_back(closers.at(opener));
      } else if (!open.empty() && command == open.back()) {
        open.pop_back();
      } else {
        for (const auto& [from, to] : closers)
          EXPECT_NE(command, to) << item.caption << ": no block to close at " << line;
      }
    }
    EXPECT_EQ(open, Texts{}) << item.caption << ": blocks left open";
    for (const std::string& target : gotos)
      EXPECT_NE(std::find(labels.begin(), labels.end(), target), labels.end())
          << item.caption << ": no label " << target;
  }
}

}  // namespace
}  // namespace skelder::testing
