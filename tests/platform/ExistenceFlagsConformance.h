#pragma once
// The behaviour every kind of existence flag shares. Each implementation instantiates
// the suite with a factory; flags that live in files get the test's own folder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ExistenceFlags.h"
#include "support/TempFolder.h"

namespace skelder::testing {

using FlagsFactory = std::function<std::unique_ptr<ExistenceFlags>(const std::string& folder)>;

class ExistenceFlagsConformance : public ::testing::TestWithParam<FlagsFactory> {
 protected:
  void SetUp() override { flags = GetParam()(folder.path()); }
  TempFolder folder;
  std::unique_ptr<ExistenceFlags> flags;
};

}  // namespace skelder::testing
