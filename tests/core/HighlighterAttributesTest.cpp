#include <gtest/gtest.h>

#include "core/app/SettingsStorage.h"
#include "core/editor/HighlighterAttributes.h"
#include "support/MemorySettingsStore.h"

namespace skelder::testing {
namespace {

const std::string kKey = "Software\\Vantrell Solutions\\Skelder";

TEST(HighlighterAttributesTest, EachAttributeIsStoredInItsOwnSubkey) {
  MemorySettingsStore store;
  HighlighterAttributes attributes = DefaultHighlighterAttributes();
  attributes[SysVarsAttri].background = 0xFF00000F;
  ASSERT_TRUE(SaveHighlighterAttributes(store, attributes));
  const struct {
    const char* subkey;
    std::int32_t foreground, background, style;
  } cases[] = {
      {"Comment", 0x008000, 0x1FFFFFFF, 2},
      {"Macro", 0x808000, 0x1FFFFFFF, 0},
      {"Text", 0x800000, 0x1FFFFFFF, 1},
      {"Labels", 0xFF0000, 0x1FFFFFFF, 0},
      {"SkelderVars", 0x0000FF, 0x1FFFFFFF, 0},
      {"Space", 0x1FFFFFFF, 0x1FFFFFFF, 0},
      {"String", 0x800080, 0x1FFFFFFF, 0},
      {"Symbol", 0xFF00FF, 0x1FFFFFFF, 1},
      {"SysVars", 0x008080, static_cast<std::int32_t>(0xFF00000F), 0},
  };
  for (const auto& c : cases) {
    auto key = store.openKey(kKey + "\\" + c.subkey, false);
    ASSERT_TRUE(key) << c.subkey;
    EXPECT_EQ(key->valueNames(), (std::vector<std::string>{"Foreground", "Background", "Style"}));
    EXPECT_EQ(key->readInteger("Foreground"), c.foreground) << c.subkey;
    EXPECT_EQ(key->readInteger("Background"), c.background) << c.subkey;
    EXPECT_EQ(key->readInteger("Style"), c.style) << c.subkey;
  }
}

TEST(HighlighterAttributesTest, LoadingAppliesOnlyTheValuesThatExist) {
  MemorySettingsStore store;
  auto text = store.openKey(kKey + "\\Text", true);
  text->writeInteger("Style", kStyleItalic | kStyleUnderline);
  text->writeString("Foreground", "0");  // of the wrong type: missing
  auto comment = store.openKey(kKey + "\\comment", true);
  comment->writeInteger("Foreground", 0x123456);
  comment->writeInteger("Background", 0x00FFFFFF);

  HighlighterAttributes attributes = DefaultHighlighterAttributes();
  LoadHighlighterAttributes(store, attributes);
  HighlighterAttributes expected = DefaultHighlighterAttributes();
  expected[KeyAttri].style = kStyleItalic | kStyleUnderline;
  expected[CommentAttri].foreground = 0x123456;
  expected[CommentAttri].background = 0x00FFFFFF;
  EXPECT_EQ(attributes, expected);
}

TEST(HighlighterAttributesTest, TheSettingsCarryTheAttributes) {
  MemorySettingsStore store;
  SettingsEnvironment env;
  Settings settings = LoadSettings(store, env);  // first run
  EXPECT_EQ(settings.highlighter, DefaultHighlighterAttributes());
  settings.highlighter[LabelsAttri] = {"Labels", 0x00ABCDEF, 0x00010203, kStyleStrikeOut};
  ASSERT_TRUE(SaveSettings(store, settings, env));
  EXPECT_EQ(store.openKey(kKey + "\\Labels", false)->readInteger("Style"), kStyleStrikeOut);
  EXPECT_EQ(LoadSettings(store, env).highlighter, settings.highlighter);
}

TEST(HighlighterAttributesTest, TokenKindsAreDrawnWithTheirAttributes) {
  const struct {
    TokenKind kind;
    std::optional<AttributeIndex> attribute;
  } cases[] = {
      {TokenKind::Comment, CommentAttri},
      {TokenKind::Identifier, IdentifierAttri},
      {TokenKind::Command, KeyAttri},
      {TokenKind::Label, LabelsAttri},
      {TokenKind::SkelderKeyword, SkelderVarsAttri},
      {TokenKind::EndOfLine, std::nullopt},
      {TokenKind::Space, SpaceAttri},
      {TokenKind::String, StringAttri},
      {TokenKind::Operation, SymbolAttri},
      {TokenKind::SystemVariable, SysVarsAttri},
      {TokenKind::Other, IdentifierAttri},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AttributeOfKind(c.kind), c.attribute) << static_cast<int>(c.kind);
}

}  // namespace
}  // namespace skelder::testing
