#include "core/text/IniFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace skelder {
namespace {

const std::string kTeraTermIni = SKELDER_TESTDATA "/teraterm/TERATERM.INI";

std::string Original() { return testing::ReadFileBytes(kTeraTermIni); }

// The text with its one occurrence of what replaced by with.
std::string Replaced(std::string text, const std::string& what, const std::string& with) {
  const auto at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  EXPECT_EQ(text.find(what, at + 1), std::string::npos) << what;
  return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

TEST(IniFileTest, ReadsTeraTermsSettingsFile) {
  IniFile ini;
  ASSERT_TRUE(ini.load(kTeraTermIni));
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"Tera Term", "VTColor", "255,255,255,0,0,0"},
      {"tera term", "URLCOLOR", "0,255,255,0,0,0"},
      {"Tera Term", "Version", "2.3"},
      {"TTProxy", "ConnectionTimeout", "10"},
      {"TTProxy", "TelnetHostnamePrompt", ">> Host name: "},
      {"Hosts", "Host3", "[2001:db8:1:2:8401:2ff:fe03:405]"},
      {"Hosts", "Host9", "\\\\.\\pipe\\vmware-serial-port ;Named pipe"},
      {"Hosts", "Host10", "/R=readme.txt ;replay a file"},
      {"Tera Term", "DelimList", "$20!\"#$24%&'()*+,:;<=>?@[\\]^`{|}"},
      {"TTProxy", ";Host9", "(default)"},  // a comment, not a key
      {"Nowhere", "VTColor", "(default)"},
  };
  for (const auto& [section, key, value] : cases)
    EXPECT_EQ(ini.readString(section, key, "(default)"), value) << section << "/" << key;
  EXPECT_EQ(ini.readInteger("TTProxy", "ConnectionTimeout", 0), 10);
  EXPECT_EQ(ini.readInteger("Tera Term", "VTColor", -5), -5);
  EXPECT_TRUE(ini.hasSection("ttyplay"));
  EXPECT_FALSE(ini.hasKey("BG", "VTColor"));
}

TEST(IniFileTest, ReadsValuesAsTheProfileFunctionsReturnThem) {
  const std::string longValue(3000, 'x');
  IniFile ini(
      "orphan=before any section\n"
      "[ Sec ]\n"
      "  blanks  =  \t spaced out \t \n"
      "double=\"quoted \"\n"
      "single='quoted'\n"
      "mixed=\"quoted'\n"
      "empty=\"\"\n"
      "lone=\"\n"
      "inner=a \"b\" c\n"
      "twice=first\n"
      "TWICE=second\n"
      "no equals sign\n"
      "long=" +
      longValue +
      "\n"
      "[sec]\n"
      "hidden=the second section of a name is never read\n");
  const std::pair<std::string, std::string> cases[] = {
      {"blanks", "spaced out"}, {"double", "quoted "},   {"single", "quoted"},
      {"mixed", "\"quoted'"},   {"empty", ""},           {"lone", "\""},
      {"inner", "a \"b\" c"},   {"twice", "first"},      {"no equals sign", "(default)"},
      {"hidden", "(default)"},  {"orphan", "(default)"},
  };
  for (const auto& [key, value] : cases)
    EXPECT_EQ(ini.readString("SEC", key, "(default)"), value) << key;
  EXPECT_EQ(ini.readString("sec", "long"), longValue.substr(0, 2047));
  EXPECT_EQ(ini.keyNames("sec"),
            (std::vector<std::string>{"blanks", "double", "single", "mixed", "empty", "lone",
                                      "inner", "twice", "long"}));
  EXPECT_TRUE(ini.keyNames("none").empty());
}

TEST(IniFileTest, ReadsDecimalAndHexadecimalIntegers) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"10", 10},
      {"-7", -7},
      {"+5", 5},
      {" 42 ", 42},
      {"\"7\"", 7},
      {"0x1F", 31},
      {"0X1f", 31},
      {"0xFFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", -99},
      {"12abc", -99},
      {"", -99},
      {"0x", -99},
      {"0xG", -99},
      {"0x123456789", -99},
      {"1.5", -99},
      {"abc", -99},
  };
  for (const auto& [text, value] : cases) {
    IniFile ini("[S]\r\nk=" + text + "\r\n");
    EXPECT_EQ(ini.readInteger("S", "k", -99), value) << text;
  }
  EXPECT_EQ(IniFile().readInteger("S", "missing", 3), 3);
}

TEST(IniFileTest, WritingTeraTermsFileChangesOnlyTheKeysWritten) {
  testing::TempFolder folder;
  const std::string path = folder.file("TERATERM.INI");
  testing::WriteFileBytes(path, Original());
  IniFile ini;
  ASSERT_TRUE(ini.load(path));
  ini.writeString("tera term", "vtcolor", "1,2,3,4,5,6");  // replaces, keeps the key's spelling
  ini.writeString("TTProxy", "NewKey", "new value");       // after the section's last setting
  ini.writeString("Hosts", "Host11", "added at the end");  // the last section
  ini.writeString("BG", "BGEnable", "off");
  ini.writeInteger("Skelder", "Count", 42);  // a new section at the end
  ASSERT_TRUE(ini.save(path));

  std::string expected = Original();
  expected = Replaced(expected, "\r\nVTColor=255,255,255,0,0,0\r\n", "\r\nVTColor=1,2,3,4,5,6\r\n");
  expected = Replaced(expected, "TelnetErrorMessage=\"!!!!!!!!\"\r\n",
                      "TelnetErrorMessage=\"!!!!!!!!\"\r\nNewKey=new value\r\n");
  expected = Replaced(expected, "BGEnable=0\r\n", "BGEnable=off\r\n");
  expected += "Host11=added at the end\r\n[Skelder]\r\nCount=42\r\n";
  EXPECT_EQ(testing::ReadFileBytes(path), expected);

  IniFile reread;
  ASSERT_TRUE(reread.load(path));
  EXPECT_EQ(reread.readString("Tera Term", "VTColor"), "1,2,3,4,5,6");
  EXPECT_EQ(reread.readString("TTProxy", "NewKey"), "new value");
  EXPECT_EQ(reread.readInteger("skelder", "count", 0), 42);
}

TEST(IniFileTest, AddedLinesFollowTheFilesOwnLineEnds) {
  struct Case {
    std::string before, section, key, value, after;
  };
  const Case cases[] = {
      {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"[A]\nx=1\n\n[B]\ny=2\n", "A", "k", "v", "[A]\nx=1\nk=v\n\n[B]\ny=2\n"},
      {"[A]\nx=1", "A", "k", "v", "[A]\nx=1\nk=v\n"},
      {"[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
      // Lines ended by a lone CR are lines too: the key is found and replaced.
      {"[A]\rk=1\rx=2\r", "A", "k", "v", "[A]\rk=v\rx=2\r"},
      {"[A]\rk=1", "A", "n", "v", "[A]\rk=1\rn=v\r"},
      {"[A]\r\n; only a comment\r\n", "a", "k", "v", "[A]\r\nk=v\r\n; only a comment\r\n"},
      {"[A]\n  Key = old ; note\n", "A", "KEY", "new", "[A]\n  Key=new\n"},
      {"[A]\nk=1\n", "A", "k", "two\r\nlines", "[A]\nk=two\n"},
      {"; head\n[A]\nk=1\n", " A ", " k ", "", "; head\n[A]\nk=\n"},
  };
  for (const auto& c : cases) {
    IniFile ini(c.before);
    ini.writeString(c.section, c.key, c.value);
    EXPECT_EQ(ini.bytes(), c.after) << c.before;
  }
}

TEST(IniFileTest, LoadsAMissingFileAsEmptyButNotAFolder) {
  testing::TempFolder folder;
  IniFile ini("[A]\nk=v\n");
  EXPECT_TRUE(ini.load(folder.file("missing.ini")));
  EXPECT_EQ(ini.bytes(), "");
  EXPECT_FALSE(ini.load(folder.path()));
  EXPECT_FALSE(ini.save(folder.file("no/such/folder.ini")));
}

}  // namespace
}  // namespace skelder
