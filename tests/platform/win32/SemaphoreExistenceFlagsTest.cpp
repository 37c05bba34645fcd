#include <gtest/gtest.h>

#include "../ExistenceFlagsConformance.h"
#include "platform/win32/SemaphoreExistenceFlags.h"

namespace skelder::testing {

// Semaphores are named system-wide; the folder plays no part.
INSTANTIATE_TEST_SUITE_P(Semaphore, ExistenceFlagsConformance,
                         ::testing::Values(FlagsFactory{
                             "semaphore", [](const std::string&) {
                               return std::make_unique<SemaphoreExistenceFlags>();
                             }}));

}  // namespace skelder::testing
