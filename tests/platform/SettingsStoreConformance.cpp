#include "SettingsStoreConformance.h"

#include <algorithm>

namespace skelder::testing {

namespace {
const std::string kKey = "Software\\Vantrell Solutions\\Skelder";
}

TEST_P(SettingsStoreConformance, ValuesKeepTheirTypeAndTheOtherTypeReadsAsMissing) {
  auto key = store->openKey(kKey, true);
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->writeString("VarName", "Ann \"the\" admin\\ops"));
  ASSERT_TRUE(key->writeInteger("WinTop", -20));
  ASSERT_TRUE(key->writeInteger("EditorBgColor", static_cast<int32_t>(0xFF000005u)));

  EXPECT_EQ(key->readString("VarName"), "Ann \"the\" admin\\ops");
  EXPECT_EQ(key->readInteger("WinTop"), -20);
  EXPECT_EQ(key->readInteger("EditorBgColor"), static_cast<int32_t>(0xFF000005u));
  EXPECT_FALSE(key->readInteger("VarName"));
  EXPECT_FALSE(key->readString("WinTop"));
  EXPECT_FALSE(key->readString("Missing"));

  // Rewriting with the other type replaces the value and its type.
  ASSERT_TRUE(key->writeString("WinTop", "12"));
  EXPECT_FALSE(key->readInteger("WinTop"));
  EXPECT_EQ(key->readString("WinTop"), "12");
}

TEST_P(SettingsStoreConformance, NamesAndPathsMatchWithoutRegardToCase) {
  auto key = store->openKey(kKey, true);
  ASSERT_TRUE(key->writeInteger("UseSameBackGround", 1));
  EXPECT_EQ(key->readInteger("UseSameBackground"), 1);
  ASSERT_TRUE(key->writeInteger("USESAMEBACKGROUND", 0));
  EXPECT_EQ(key->valueNames(), std::vector<std::string>{"UseSameBackGround"});
  EXPECT_EQ(key->readInteger("usesamebackground"), 0);

  auto other = store->openKey("SOFTWARE\\vantrell solutions\\SKELDER", false);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->readInteger("UseSameBackground"), 0);
}

TEST_P(SettingsStoreConformance, ReadOnlyOpenOfAMissingKeyCreatesNothing) {
  EXPECT_FALSE(store->openKey(kKey, false));
  EXPECT_FALSE(store->openKey(kKey, false));
  EXPECT_FALSE(store->openKey("Software", false));
  ASSERT_TRUE(store->openKey(kKey, true));
  EXPECT_TRUE(store->openKey(kKey, false));
  EXPECT_TRUE(store->openKey("Software\\Vantrell Solutions", false));  // parents made too
}

TEST_P(SettingsStoreConformance, SubkeysAreListedAndDeletedWithTheirValues) {
  auto key = store->openKey(kKey, true);
  ASSERT_TRUE(store->openKey(kKey + "\\Comment", true)->writeInteger("Foreground", 7));
  ASSERT_TRUE(store->openKey(kKey + "\\String", true));
  ASSERT_TRUE(store->openKey(kKey + "\\String\\Deeper", true));
  auto names = key->subKeyNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Comment", "String"}));
  EXPECT_EQ(store->openKey(kKey + "\\comment", false)->readInteger("Foreground"), 7);

  EXPECT_TRUE(store->deleteKey(kKey + "\\String"));
  EXPECT_FALSE(store->openKey(kKey + "\\String\\Deeper", false));
  EXPECT_EQ(key->subKeyNames(), std::vector<std::string>{"Comment"});
  EXPECT_FALSE(store->deleteKey(kKey + "\\String"));
}

TEST_P(SettingsStoreConformance, AnEmptyPathNeverDeletesTheWholeStore) {
  ASSERT_TRUE(store->openKey(kKey, true)->writeInteger("WinTop", 3));
  EXPECT_FALSE(store->deleteKey(""));
  EXPECT_FALSE(store->deleteKey("\\"));
  EXPECT_EQ(store->openKey(kKey, false)->readInteger("WinTop"), 3);
}

TEST_P(SettingsStoreConformance, DeletedValuesAreGone) {
  auto key = store->openKey(kKey, true);
  key->writeString("ParamName", "x");
  EXPECT_TRUE(key->deleteValue("PARAMNAME"));
  EXPECT_FALSE(key->readString("ParamName"));
  EXPECT_FALSE(key->deleteValue("ParamName"));
}

TEST_P(SettingsStoreConformance, TextsKeepEveryByte) {
  auto key = store->openKey(kKey, true);
  const std::string text = std::string("line1\r\nline2\t\x01\xE9\xFF end ", 20);
  ASSERT_TRUE(key->writeString("IniBackup", text));
  ASSERT_TRUE(key->writeString("Empty", ""));
  auto again = store->openKey(kKey, false);
  EXPECT_EQ(again->readString("IniBackup"), text);
  EXPECT_EQ(again->readString("Empty"), "");
}

TEST_P(SettingsStoreConformance, BatchedWritesAreReadBackLikeSingleOnes) {
  auto key = store->openKey(kKey, true);
  store->beginBatch();
  ASSERT_TRUE(key->writeInteger("A", 1));
  ASSERT_TRUE(key->writeString("B", "two"));
  EXPECT_EQ(key->readInteger("A"), 1);
  EXPECT_TRUE(store->endBatch());
  EXPECT_EQ(store->openKey(kKey, false)->readString("B"), "two");
}

}  // namespace skelder::testing
