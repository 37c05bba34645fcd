#include "core/tree/NodeTextEncoding.h"

#include <gtest/gtest.h>

namespace skelder {
namespace {

using namespace std::string_literals;

struct EncodeCase {
  std::string text;
  bool spaceAsPlus;
  std::string encoded;
};

TEST(NodeTextEncodingTest, EncodesEveryByteButLettersAndDigits) {
  const EncodeCase cases[] = {
      {"a b+c%", true, "a+b%2Bc%25"},
      {"a b+c%", false, "a%20b%2Bc%25"},
      {"\r\n", true, "%0D%0A"},
      {"\xE9", true, "%E9"},
      {"\t\0\xFF"s, true, "%09%00%FF"},
      {"Az09", false, "Az09"},
      {"", true, ""},
      {"connect '/host:22'", true, "connect+%27%2Fhost%3A22%27"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeNodeText(c.text, c.spaceAsPlus), c.encoded) << c.text;
    EXPECT_EQ(DecodeNodeText(c.encoded), c.text) << c.encoded;
  }
}

TEST(NodeTextEncodingTest, DecodesMalformedEscapesToByteZero) {
  const std::pair<std::string, std::string> cases[] = {
      {"%41", "A"},     {"%4a", "J"},     {"%4A", "J"},      {"%4h", "\x04"},
      {"%4H", "\x04"},  {"%zz", "\0"s},   {"%G1x", "\0x"s},  {"%1Gx", "\0x"s},
      {"%%1x", "\0x"s}, {"ab%", "ab\0"s}, {"ab%4", "ab\0"s}, {"+", " "},
      {"%20", " "},     {"a%2", "a\0"s},  {"%HH", "\0"s},    {"plain", "plain"},
  };
  for (const auto& [encoded, text] : cases) EXPECT_EQ(DecodeNodeText(encoded), text) << encoded;
}

TEST(NodeTextEncodingTest, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (const bool plus : {true, false}) {
    const std::string encoded = EncodeNodeText(all, plus);
    EXPECT_EQ(encoded.find_first_not_of(
                  "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz%+"),
              std::string::npos);
    EXPECT_EQ(DecodeNodeText(encoded), all);
  }
}

TEST(NodeTextEncodingTest, ParsesHexadecimalValues) {
  const std::pair<std::string, std::int64_t> cases[] = {
      {"", 0},
      {"0", 0},
      {"ff", 255},
      {"FFh", 255},
      {"10H", 16},
      {"H", 0},
      {"1G", 0},
      {"G1", 0},
      {"-1", 0},
      {"7fffffff", 0x7fffffff},
      {"1a2b", 0x1a2b},
      {"\0"s
       "1",
       0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseHexValue(text), value) << text;
}

}  // namespace
}  // namespace skelder
