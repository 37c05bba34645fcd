#pragma once
// The behaviour every settings store shares with the registry. Each implementation
// instantiates the suite with a factory for a fresh, empty store.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/SettingsStore.h"

namespace skelder::testing {

struct StoreFactory {
  std::string name;  // shown in the test names
  std::function<std::unique_ptr<SettingsStore>()> make;
  friend void PrintTo(const StoreFactory& factory, std::ostream* out) { *out << factory.name; }
};

class SettingsStoreConformance : public ::testing::TestWithParam<StoreFactory> {
 protected:
  void SetUp() override { store = GetParam().make(); }
  std::unique_ptr<SettingsStore> store;
};

}  // namespace skelder::testing
