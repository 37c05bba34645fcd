#pragma once
// The behaviour every kind of existence flag shares. Each implementation instantiates
// the suite with a factory; flags that live in files get the test's own folder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/ExistenceFlags.h"
#include "support/TempFolder.h"

namespace skelder::testing {

struct FlagsFactory {
  std::string name;  // shown in the test names
  std::function<std::unique_ptr<ExistenceFlags>(const std::string& folder)> make;
  friend void PrintTo(const FlagsFactory& factory, std::ostream* out) { *out << factory.name; }
};

class ExistenceFlagsConformance : public ::testing::TestWithParam<FlagsFactory> {
 protected:
  void SetUp() override { flags = GetParam().make(folder.path()); }
  TempFolder folder;
  std::unique_ptr<ExistenceFlags> flags;
};

}  // namespace skelder::testing
