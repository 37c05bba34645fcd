#include <gtest/gtest.h>

#include "core/app/RecentFiles.h"
#include "support/MemorySettingsStore.h"

namespace skelder::testing {

TEST(RecentFiles, KeepsFourMostRecentFirst) {
  RecentFiles recent;
  for (const char* path : {"/a/1.SKD", "/a/2.SKD", "/a/3.SKD", "/a/4.SKD", "/a/5.SKD"})
    recent.Add(path);
  EXPECT_EQ(recent.entries(),
            (std::vector<std::string>{"/a/5.SKD", "/a/4.SKD", "/a/3.SKD", "/a/2.SKD"}));
  recent.Add("/a/5.SKD");
  recent.Add("/a/3.SKD");
  EXPECT_EQ(recent.entries(),
            (std::vector<std::string>{"/a/3.SKD", "/a/5.SKD", "/a/4.SKD", "/a/2.SKD"}));
  EXPECT_EQ(recent.Caption(0, true), "&1  /a/3.SKD");
  EXPECT_EQ(recent.Caption(3, false), "&4  2.SKD");
}

TEST(RecentFiles, LoadsSkippingGapsAndSavesEmptyNumbers) {
  MemorySettingsStore store;
  auto key = store.openKey(kSettingsKeyPath, true);
  key->writeString("MRU1", "/a/1.SKD");
  key->writeString("MRU2", "");
  key->writeString("MRU4", "/a/4.SKD");
  RecentFiles recent;
  recent.Load(store);
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/a/1.SKD", "/a/4.SKD"}));
  recent.Remove("/a/1.SKD");
  recent.Save(store);
  EXPECT_EQ(key->readString("MRU1"), "/a/4.SKD");
  for (const char* name : {"MRU2", "MRU3", "MRU4"}) EXPECT_EQ(key->readString(name), "") << name;
}

}  // namespace skelder::testing
