#include <gtest/gtest.h>

#include <random>

#include "../SettingsStoreConformance.h"
#include "platform/win32/RegistrySettingsStore.h"

namespace skelder::testing {

namespace {

// A store below a fresh key of the current user's registry, removed at the end.
class ScratchRegistryStore : public RegistrySettingsStore {
 public:
  explicit ScratchRegistryStore(const std::string& base)
      : RegistrySettingsStore(RegistryRoot::CurrentUser, base), base_(base) {}
  ~ScratchRegistryStore() override { RegistrySettingsStore().deleteKey(base_); }

 private:
  std::string base_;
};

StoreFactory ScratchFactory() {
  return {"registry", [] {
            static std::mt19937 generator{std::random_device{}()};
            return std::make_unique<ScratchRegistryStore>("Software\\SkelderTests\\" +
                                                          std::to_string(generator()));
          }};
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Registry, SettingsStoreConformance, ::testing::Values(ScratchFactory()));

TEST(RegistrySettingsStore, ClassesRootTakesTheFileTypeKeysWithTheirDefaultValues) {
  RegistrySettingsStore classes(RegistryRoot::ClassesRoot);
  const std::string type = "skeldertestfile";
  auto command = classes.openKey(type + "\\shell\\open\\command", true);
  ASSERT_TRUE(command);
  ASSERT_TRUE(command->writeString("", "C:\\Tera Term\\Skelderc.exe \"%1\""));
  auto again = classes.openKey(type + "\\SHELL\\Open\\command", false);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->readString(""), "C:\\Tera Term\\Skelderc.exe \"%1\"");
  EXPECT_EQ(classes.openKey(type + "\\shell", false)->subKeyNames(),
            std::vector<std::string>{"open"});

  EXPECT_TRUE(classes.deleteKey(type));
  EXPECT_FALSE(classes.openKey(type, false));
}

}  // namespace skelder::testing
