#include <gtest/gtest.h>

#include "core/properties/ColorSchemas.h"
#include "core/properties/ColorSet.h"
#include "core/tree/TreeNode.h"
#include "support/TempFolder.h"

namespace skelder {
namespace {

const std::string kTeraTermIni = SKELDER_TESTDATA "/teraterm/TERATERM.INI";

ColorSet Filled(std::uint8_t value) {
  ColorSet colors;
  colors.bytes.fill(value);
  return colors;
}

TEST(ColorStringTest, LoadsTheTwentyFourColours) {
  ColorSet colors = Filled(7);
  EXPECT_TRUE(ParseColorString(BuiltInColorString(4), colors));
  const ColorSet expected{
      {0, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0}};
  EXPECT_EQ(colors.bytes, expected.bytes);
  EXPECT_EQ(colors.screenColor(0), 0x00FF00u);
  EXPECT_EQ(colors.screenColor(6), 0x00FFFFu);
  for (int schema = 0; schema < kBuiltInSchemaCount; ++schema) {
    ASSERT_TRUE(ParseColorString(BuiltInColorString(schema), colors));
    EXPECT_EQ(FormatColorString(colors), BuiltInColorString(schema));
  }
}

TEST(ColorStringTest, RefusesShortStringsAndKeepsFieldsThatConvert) {
  struct Case {
    std::string text;
    bool valid;
    std::string loaded;  // the set afterwards, starting from all 7
  };
  const std::string sevens = "7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7:7";
  const Case cases[] = {
      {"10:2:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5", false, sevens},  // 46 characters
      {"1:2:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:6", true,
       "1:2:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:6"},
      {"256:300:-1:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0", true,
       "0:44:255:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0"},
      {"1:x:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:6", false,
       "1:7:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:6"},
      {"1:2:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:6:9", false,  // a 25th field
       "1:2:3:4:5:6:7:8:9:1:2:3:4:5:6:7:8:9:1:2:3:4:5:7"},
      {"1,2,3,4,5,6,7,8,9,1,2,3,4,5,6,7,8,9,1,2,3,4,5,6", false, sevens},
  };
  for (const auto& c : cases) {
    ColorSet colors = Filled(7);
    EXPECT_EQ(ParseColorString(c.text, colors), c.valid) << c.text;
    EXPECT_EQ(FormatColorString(colors), c.loaded) << c.text;
  }
}

TEST(ColorStringTest, ReadsTeraTermsOwnSettingsFile) {
  EXPECT_EQ(TeraTermIniColors(kTeraTermIni),
            "255:255:255:0:0:0:255:255:0:0:0:0:255:0:0:0:0:0:0:255:255:0:0:0");
  EXPECT_EQ(SchemaColorString(kTeraTermIniSchema, kTeraTermIni), TeraTermIniColors(kTeraTermIni));
  EXPECT_EQ(NodeColorString(nullptr, kTeraTermIni), TeraTermIniColors(kTeraTermIni));
}

TEST(ColorStringTest, FallsBackToSchemaZero) {
  testing::TempFolder folder;
  const std::string noUrl = folder.file("teraterm.ini");
  testing::WriteFileBytes(noUrl,
                          "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\nVTBoldColor=1,2,3,4,5,6\r\n"
                          "VTBlinkColor=1,2,3,4,5,6\r\n");
  const std::string schema0 = BuiltInColorString(0);
  EXPECT_EQ(TeraTermIniColors(noUrl), schema0);
  EXPECT_EQ(TeraTermIniColors(folder.file("missing.ini")), schema0);
  EXPECT_EQ(DefaultColorString(), schema0);
  EXPECT_EQ(SchemaColorString(-1, noUrl), schema0);
  EXPECT_EQ(SchemaColorString(3, noUrl),
            "200:200:200:0:128:128:255:255:0:0:128:128:0:255:255:0:128:128:128:128:255:0:128:128");
  TreeNode node;
  node.data.Colors = "stored";
  EXPECT_EQ(NodeColorString(&node, noUrl), "stored");
}

TEST(ColorStringTest, TwentyThreeSeparatorsWithoutTwentyFourNumbersGiveSchemaZero) {
  testing::TempFolder folder;
  const std::string path = folder.file("teraterm.ini");
  const std::string zeros = "0,0,0,0,0,0";
  const struct {
    std::string vt, bold, blink, url, expected;
  } cases[] = {
      {",,,,,,,,,,,,,,,,,,,,", "", "", "", BuiltInColorString(0)},
      {"a,b,c,d,e,f", zeros, zeros, zeros, BuiltInColorString(0)},
      {"1,2,3,4,5, 6", zeros, zeros, zeros, BuiltInColorString(0)},
      {"1,2,3,4,5,6", zeros, zeros, "0,0,0,0,0,", BuiltInColorString(0)},
      {"1,2,3,4,5,6", zeros, zeros, zeros, "1:2:3:4:5:6:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0"},
  };
  for (const auto& c : cases) {
    testing::WriteFileBytes(path, "[Tera Term]\r\nVTColor=" + c.vt + "\r\nVTBoldColor=" + c.bold +
                                      "\r\nVTBlinkColor=" + c.blink + "\r\nURLColor=" + c.url +
                                      "\r\n");
    EXPECT_EQ(TeraTermIniColors(path), c.expected) << c.vt;
  }
}

TEST(ColorStringTest, TheSchemaListEndsWithTheSettingsFileEntry) {
  EXPECT_EQ(SchemaNames(),
            (std::vector<std::string>{
                "Black on Light color", "Black on Light Yellow", "Black on White", "Green Tint",
                "Green on Black", "Grey on Black", "White on Black", "from TeraTerm.ini file"}));
}

}  // namespace
}  // namespace skelder
