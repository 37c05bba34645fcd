#include <gtest/gtest.h>

#include "core/editor/PreviewZoom.h"

namespace skelder {
namespace {

TEST(PreviewZoomTest, ClicksStepThroughTheListAndStopAtItsEnds) {
  ASSERT_EQ(kPreviewZooms.size(), 9u);
  EXPECT_STREQ(kPreviewZooms[0].caption, "Whole Page");
  EXPECT_STREQ(kPreviewZooms[kDefaultPreviewZoom].caption, "100%");
  const struct {
    int index;
    PreviewClick click;
    int after;
  } cases[] = {
      {0, PreviewClick::Right, 0},
      {0, PreviewClick::Left, 1},
      {1, PreviewClick::Right, 0},
      {4, PreviewClick::Left, 5},
      {4, PreviewClick::Right, 3},
      {7, PreviewClick::Left, 8},
      {8, PreviewClick::Left, 8},
      {8, PreviewClick::Right, 7},
      {6, PreviewClick::Other, 6},
      // A saved index outside the list counts as the default.
      {9, PreviewClick::Other, 4},
      {-1, PreviewClick::Left, 5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZoomAfterClick(c.index, c.click), c.after)
        << c.index << " " << static_cast<int>(c.click);
  EXPECT_EQ(ValidPreviewZoom(6), 6);
  EXPECT_EQ(ValidPreviewZoom(0), 0);
  EXPECT_EQ(ValidPreviewZoom(9), kDefaultPreviewZoom);
}

}  // namespace
}  // namespace skelder
