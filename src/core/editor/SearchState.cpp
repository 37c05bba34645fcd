#include "core/editor/SearchState.h"

#include <algorithm>
#include <cctype>

namespace skelder {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void UpdateHistory(std::vector<std::string>& history, const std::string& text) {
  if (text.empty()) return;
  history.erase(
      std::remove_if(history.begin(), history.end(),
                     [&](const std::string& entry) { return SameIgnoringCase(entry, text); }),
      history.end());
  history.insert(history.begin(), text);
  if (history.size() > kSearchHistoryLength) history.resize(kSearchHistoryLength);
}

std::string InitialSearchText(const SearchState& state, const std::string& selection,
                              bool selectionWithinOneLine) {
  return !selection.empty() && selectionWithinOneLine ? selection : state.searchText;
}

ScreenRect ConfirmBoxPlace(int x, int y1, int y2, int boxWidth, int boxHeight,
                           const ScreenRect& area) {
  ScreenRect place{0, 0, boxWidth, boxHeight};
  if (boxWidth >= area.width) {
    place.left = area.left + (area.width - boxWidth) / 2;
  } else {
    place.left = x;
    if (place.left + boxWidth > area.left + area.width)
      place.left = area.left + area.width - boxWidth;
  }
  if (y2 > area.top + area.height * 2 / 3)
    place.top = y1 - boxHeight - 4;
  else
    place.top = y2 + 4;
  return place;
}

std::string ConfirmReplaceText(const std::string& searchText) {
  return "Replace this occurence of \"" + searchText + "\"?";
}

}  // namespace skelder
