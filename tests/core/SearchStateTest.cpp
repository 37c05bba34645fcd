#include <gtest/gtest.h>

#include "core/editor/SearchState.h"

namespace skelder::testing {

TEST(SearchHistory, MovesTextsToTheTopAndKeepsTen) {
  std::vector<std::string> history;
  for (int i = 1; i <= 11; ++i) UpdateHistory(history, "text" + std::to_string(i));
  ASSERT_EQ(history.size(), 10u);
  EXPECT_EQ(history.front(), "text11");
  EXPECT_EQ(history.back(), "text2");  // the oldest was pushed out

  history = {"sendln", "wait", "connect"};
  UpdateHistory(history, "WAIT");
  EXPECT_EQ(history, (std::vector<std::string>{"WAIT", "sendln", "connect"}));
  UpdateHistory(history, "");
  EXPECT_EQ(history.size(), 3u);
}

TEST(SearchHistory, TheDialogStartsWithASelectionOnOneLine) {
  SearchState state;
  state.searchText = "wait";
  EXPECT_EQ(InitialSearchText(state, "", true), "wait");
  EXPECT_EQ(InitialSearchText(state, "sendln", true), "sendln");
  EXPECT_EQ(InitialSearchText(state, "a\r\nb", false), "wait");
}

TEST(ConfirmReplace, TheBoxStandsBesideTheOccurrenceInsideTheWindow) {
  const ScreenRect area{100, 100, 800, 600};
  struct Case {
    int x, y1, y2, width;
    int left, top;
  } cases[] = {
      {300, 200, 216, 300, 300, 220},                    // upper part: 4 pixels below
      {300, 600, 616, 300, 300, 600 - 120 - 4},          // lower third: 4 pixels above
      {750, 200, 216, 300, 600, 220},                    // would stick out: ends at the right edge
      {300, 200, 216, 900, 100 + (800 - 900) / 2, 220},  // wider than the area: centred
  };
  for (const auto& c : cases) {
    const ScreenRect place = ConfirmBoxPlace(c.x, c.y1, c.y2, c.width, 120, area);
    EXPECT_EQ(place.left, c.left) << c.x << "," << c.y1;
    EXPECT_EQ(place.top, c.top) << c.x << "," << c.y1;
  }
  EXPECT_EQ(ConfirmReplaceText("wait"), "Replace this occurence of \"wait\"?");
}

}  // namespace skelder::testing
