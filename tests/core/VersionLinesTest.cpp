#include "core/integration/VersionLines.h"

#include <gtest/gtest.h>

namespace skelder {
namespace {

TEST(VersionLines, TheReleaseNumberOrBetaFollowsMajorAndMinor) {
  EXPECT_EQ(VersionLine({1, 0, 0, 0}), "Version 1.0  (Beta)");
  EXPECT_EQ(VersionLine({2, 15, 3, 7}), "Version 2.15  (Release 3)");
  EXPECT_EQ(BuildLine("07-Jun-2008"), "Build: 07-Jun-2008");
  EXPECT_EQ(BuildLine(), std::string("Build: ") + kBuildDate);
}

TEST(VersionLines, VersionTextsAreReadPartByPart) {
  const struct {
    const char* text;
    FileVersion version;
  } cases[] = {
      {"1.0.0", {1, 0, 0, 0}}, {"2.5.3.9", {2, 5, 3, 9}}, {"3.1", {3, 1, 0, 0}},
      {"4.x.2", {4, 0, 2, 0}}, {"", {0, 0, 0, 0}},        {"70000.1.1", {0, 1, 1, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseVersion(c.text), c.version) << c.text;
}

}  // namespace
}  // namespace skelder
