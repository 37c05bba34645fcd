#include <gtest/gtest.h>

#include "core/properties/ColorEditing.h"
#include "core/properties/ColorSchemas.h"

namespace skelder {
namespace {

// Every byte its own index, so that each move shows.
ColorSet Counting() {
  ColorSet colors;
  for (int i = 0; i < ColorSet::kSize; ++i)
    colors.bytes[static_cast<size_t>(i)] = static_cast<std::uint8_t>(i);
  return colors;
}

ColorSet Parsed(const std::string& text) {
  ColorSet colors;
  EXPECT_TRUE(ParseColorString(text, colors)) << text;
  return colors;
}

TEST(ColorEditingTest, OneComponentAndTheSameBackground) {
  struct Case {
    int attribute;
    bool background;
    int component;
    std::uint8_t value;
    bool sameBackground;
    std::string result;
  } cases[] = {
      // Bold's blue background with one background for all: all four backgrounds follow.
      {1, true, 2, 77, true, "0:1:2:9:10:77:6:7:8:9:10:77:12:13:14:9:10:77:18:19:20:9:10:77"},
      {1, true, 2, 77, false, "0:1:2:3:4:5:6:7:8:9:10:77:12:13:14:15:16:17:18:19:20:21:22:23"},
      {0, true, 0, 255, true, "0:1:2:255:4:5:6:7:8:255:4:5:12:13:14:255:4:5:18:19:20:255:4:5"},
      // A text colour is never shared.
      {3, false, 0, 200, true, "0:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:200:19:20:21:22:23"},
      {2, false, 1, 0, false, "0:1:2:3:4:5:6:7:8:9:10:11:12:0:14:15:16:17:18:19:20:21:22:23"},
  };
  for (const auto& c : cases) {
    ColorSet colors = Counting();
    SetColorComponent(colors, c.attribute, c.background, c.component, c.value, c.sameBackground);
    EXPECT_EQ(FormatColorString(colors), c.result)
        << c.attribute << " " << c.background << " " << c.component;
  }
}

TEST(ColorEditingTest, ReversingSwapsTextAndBackground) {
  struct Case {
    int attribute;
    bool all;
    std::string result;
  } cases[] = {
      {2, false, "0:1:2:3:4:5:6:7:8:9:10:11:15:16:17:12:13:14:18:19:20:21:22:23"},
      {0, false, "3:4:5:0:1:2:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23"},
      {1, true, "3:4:5:0:1:2:9:10:11:6:7:8:15:16:17:12:13:14:21:22:23:18:19:20"},
  };
  for (const auto& c : cases) {
    ColorSet colors = Counting();
    ReverseColors(colors, c.attribute, c.all);
    EXPECT_EQ(FormatColorString(colors), c.result) << c.attribute << " " << c.all;
  }
  // Twice gives back what was there.
  for (int schema = 0; schema < kBuiltInSchemaCount; ++schema)
    for (bool all : {false, true}) {
      ColorSet colors = Parsed(BuiltInColorString(schema));
      ReverseColors(colors, 3, all);
      EXPECT_NE(FormatColorString(colors), BuiltInColorString(schema));
      ReverseColors(colors, 3, all);
      EXPECT_EQ(FormatColorString(colors), BuiltInColorString(schema)) << schema << " " << all;
    }
}

TEST(ColorEditingTest, OneBackgroundForAllAttributes) {
  const struct {
    int attribute;
    std::string result;
  } cases[] = {
      {3, "0:1:2:21:22:23:6:7:8:21:22:23:12:13:14:21:22:23:18:19:20:21:22:23"},
      {0, "0:1:2:3:4:5:6:7:8:3:4:5:12:13:14:3:4:5:18:19:20:3:4:5"},
  };
  for (const auto& c : cases) {
    ColorSet colors = Counting();
    CopyBackground(colors, c.attribute);
    EXPECT_EQ(FormatColorString(colors), c.result) << c.attribute;
  }
}

TEST(ColorEditingTest, TheSchemaOfAColourString) {
  const std::string custom = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
  const struct {
    std::string colors;
    std::string teraTerm;
    int schema;
  } cases[] = {
      {BuiltInColorString(2), custom, 2},
      {BuiltInColorString(6), BuiltInColorString(6), 6},
      // Tera Term colours equal to schema 0: the built-in entry is the one shown.
      {BuiltInColorString(0), BuiltInColorString(0), 0},
      {custom, custom, kTeraTermIniSchema},
      {custom, BuiltInColorString(0), -1},
      // The string must match exactly.
      {"0" + BuiltInColorString(4), BuiltInColorString(0), -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchingSchema(c.colors, c.teraTerm), c.schema) << c.colors << " / " << c.teraTerm;
}

TEST(ColorEditingTest, StoredColoursFallBackToTeraTermsThenToSchemaZero) {
  const std::string teraTerm = BuiltInColorString(5);
  const std::string damaged = "1:x:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21:22:23:24";
  const struct {
    std::string stored;
    std::string teraTerm;
    std::string result;
  } cases[] = {
      {BuiltInColorString(3), teraTerm, BuiltInColorString(3)},
      {"", teraTerm, teraTerm},
      // Nothing of a partly converted string is left over.
      {damaged, teraTerm, teraTerm},
      // A teraterm.ini whose colours are not numbers.
      {damaged, "a:b:c:d:e:f:g:h:i:j:k:l:m:n:o:p:q:r:s:t:u:v:w:x", BuiltInColorString(0)},
      {"", "", BuiltInColorString(0)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatColorString(ResolveColors(c.stored, c.teraTerm)), c.result)
        << c.stored << " / " << c.teraTerm;
}

TEST(ColorEditingTest, TheCaretLineMovesEachComponentBy64) {
  const struct {
    std::uint32_t background;
    std::uint32_t caretLine;
  } cases[] = {
      {0x000000, 0x404040},
      {0xFFFFFF, 0xBFBFBF},
      {0xFF807F, 0xBF40BF},  // 127 is raised, 128 lowered
      {0x808000, 0x404040},  // "Green Tint": red 0, green and blue 128
  };
  for (const auto& c : cases)
    EXPECT_EQ(CaretLineColor(c.background), c.caretLine) << std::hex << c.background;
}

}  // namespace
}  // namespace skelder
