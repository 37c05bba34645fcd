// The pieces of the update check: comparing published versions, the texts, the
// addresses and the values it stores.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/integration/LatestVersions.h"
#include "core/integration/PublishedVersion.h"
#include "core/integration/UpdateAddresses.h"
#include "core/integration/UpdateInterval.h"
#include "core/integration/UpdateTexts.h"
#include "support/MemorySettingsStore.h"

namespace skelder::testing {

namespace {

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  if (value)
    setenv(name, value, 1);
  else
    unsetenv(name);
#endif
}

}  // namespace

TEST(CompareVersion, NewerOnlyWhenAboveInMajorThenMinorThenRelease) {
  const FileVersion installed{5, 2, 1, 7};
  const struct {
    const char* text;
    VersionComparison expected;
  } cases[] = {
      {"5.2-1", VersionComparison::NotNewer},  // equal (the build does not count)
      {"5.2-2", VersionComparison::Newer},
      {"5.2-0", VersionComparison::NotNewer},
      {"5.3-0", VersionComparison::Newer},
      {"5.1-9", VersionComparison::NotNewer},
      {"6.0-0", VersionComparison::Newer},       // a higher major, whatever the rest says
      {"4.99-99", VersionComparison::NotNewer},  // a lower major is never newer
      {"05.002-01", VersionComparison::NotNewer},
      {"+5.2-2", VersionComparison::Newer},
      {"", VersionComparison::Unreadable},
      {"5", VersionComparison::Unreadable},
      {"5.2", VersionComparison::Unreadable},
      {"5.2-", VersionComparison::Unreadable},
      {"5.x-1", VersionComparison::Unreadable},
      {"x.2-1", VersionComparison::Unreadable},
      {"5.2-1\r\n", VersionComparison::Unreadable},  // nothing is trimmed
      {" 5.2-1", VersionComparison::Unreadable},
      {"5.2-1/../../x?", VersionComparison::Unreadable},
      {"5.2--1", VersionComparison::Unreadable},
      {"-5.2-1", VersionComparison::Unreadable},
      {"5.2.3-1", VersionComparison::Unreadable},
      {"1-2.3", VersionComparison::Unreadable},
      {"5.2-99999999999", VersionComparison::Unreadable},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareVersion(installed, c.text), c.expected) << c.text;

  const auto parsed = ParsePublishedVersion("12.034-5");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->major, 12);
  EXPECT_EQ(parsed->minor, 34);
  EXPECT_EQ(parsed->release, 5);
}

TEST(NormaliseLineBreaks, BareLineFeedsGetTheirCarriageReturn) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\r\nb", "a\r\nb"},
      {"\n\n", "\r\n\r\n"},
      {"\r\n\n", "\r\n\r\n"},
      {"a\rb", "a\rb"},
      {"\r\r\n", "\r\r\n"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(NormaliseLineBreaks(text), expected) << text;
}

TEST(UpdateTexts, InstalledVersionsAsTheWindowShowsThem) {
  EXPECT_EQ(TeraTermInstalledText({4, 106, 3, 2071}), "4.106");
  EXPECT_EQ(ProductInstalledText({1, 0, 0, 0}), "1.0 (Beta)");
  EXPECT_EQ(ProductInstalledText({2, 15, 3, 9}), "2.15.3");
  EXPECT_EQ(ConnectionErrorText(),
            "Error connecting Vantrell Solutions web site.\r\n\r\nCheck your Internet connection "
            "or try again later.");
}

TEST(UpdateAddresses, BuiltInUnlessTheEnvironmentNamesOthers) {
  SetEnvironment("SKELDER_TERMINAL_UPDATE_BASE", nullptr);
  SetEnvironment("SKELDER_PRODUCT_UPDATE_BASE", nullptr);
  UpdateAddresses addresses = UpdateAddressesFromEnvironment();
  EXPECT_EQ(addresses.terminalBase, "https://www.vantrell.com/freeware/TeraTerm");
  EXPECT_EQ(addresses.productBase, "https://www.vantrell.com/freeware/Skelder");
  EXPECT_EQ(TeraTermInstallerUrl(addresses, {5, 3, 1}),
            "https://www.vantrell.com/freeware/TeraTerm/teraterm_utf8_53.exe");
  EXPECT_EQ(ProductInstallerUrl(addresses, {1, 10, 2}),
            "https://www.vantrell.com/freeware/Skelder/setup1102.exe");

  SetEnvironment("SKELDER_TERMINAL_UPDATE_BASE", "http://127.0.0.1:8000/tt/");
  SetEnvironment("SKELDER_PRODUCT_UPDATE_BASE", "http://127.0.0.1:8000/sk");
  addresses = UpdateAddressesFromEnvironment();
  EXPECT_EQ(addresses.terminalBase, "http://127.0.0.1:8000/tt");
  EXPECT_EQ(addresses.productBase, "http://127.0.0.1:8000/sk");
  SetEnvironment("SKELDER_TERMINAL_UPDATE_BASE", nullptr);
  SetEnvironment("SKELDER_PRODUCT_UPDATE_BASE", nullptr);
}

TEST(UpdateInterval, DayNumbersCountFromTheThirtiethOfDecember1899) {
  EXPECT_EQ(DayNumber({1899, 12, 30}), 0);
  EXPECT_EQ(DayNumber({1900, 3, 1}), 61);  // 1900 was no leap year
  EXPECT_EQ(DayNumber({2000, 2, 29}), 36585);
  EXPECT_EQ(DayNumber({2026, 12, 11, 23, 59, 59}), 46367);
  EXPECT_EQ(UpdateIntervalEntries().size(), 6u);
  EXPECT_EQ(UpdateIntervalEntries()[5], "never");
}

TEST(UpdateInterval, ChoosingAnEntryWritesTheNextCheckDayAtOnce) {
  const FixedClock clock(LocalTime{2026, 12, 11, 9, 30, 0});
  const std::pair<int, int32_t> cases[] = {{0, 46368}, {1, 46370}, {2, 46374},
                                           {3, 46381}, {4, 46397}, {5, 46367}};
  for (const auto& [entry, day] : cases) {
    MemorySettingsStore store;  // no key yet: it is created
    ASSERT_TRUE(StoreNextCheck(store, clock, entry));
    EXPECT_EQ(store.openKey(kSettingsKeyPath, false)->readInteger("NextCheck"), day) << entry;
  }
  MemorySettingsStore unwritable;
  unwritable.failWrites = true;
  EXPECT_FALSE(StoreNextCheck(unwritable, clock, 5));
}

TEST(StoreLatestVersions, WritesBothTextsCreatingTheKey) {
  MemorySettingsStore store;
  ASSERT_TRUE(StoreLatestVersions(store, {"5.3-0", ""}));
  auto key = store.openKey(kSettingsKeyPath, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->readString("TTLatestVersion"), "5.3-0");
  EXPECT_EQ(key->readString("SkelderLatestVersion"), "");
  store.failWrites = true;
  EXPECT_FALSE(StoreLatestVersions(store, {"x", "y"}));
}

}  // namespace skelder::testing
