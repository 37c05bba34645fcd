#pragma once
// The behaviour every settings store shares with the registry. Each implementation
// instantiates the suite with a factory for a fresh, empty store.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/SettingsStore.h"

namespace skelder::testing {

using StoreFactory = std::function<std::unique_ptr<SettingsStore>()>;

class SettingsStoreConformance : public ::testing::TestWithParam<StoreFactory> {
 protected:
  void SetUp() override { store = GetParam()(); }
  std::unique_ptr<SettingsStore> store;
};

}  // namespace skelder::testing
