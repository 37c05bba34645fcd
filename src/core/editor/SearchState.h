#pragma once
// What the Search menu remembers for the whole run: the options of the last confirmed
// search or replace dialog, the texts and their histories.
#include <string>
#include <vector>

namespace skelder {

struct SearchState {
  bool backwards = false;
  bool caseSensitive = false;
  bool fromCaret = true;
  bool selectedOnly = false;
  bool wholeWords = false;
  bool regularExpression = false;
  std::string searchText;
  std::vector<std::string> searchHistory;  // most recent first, at most ten kept
  std::string replaceText;
  std::vector<std::string> replaceHistory;
  // Find Next and Find Previous go on from the caret once a search has run.
  bool continueFromCaret = false;
};

inline constexpr size_t kSearchHistoryLength = 10;

// A confirmed dialog's field: an empty text changes nothing; otherwise the text moves to
// the top (an entry that differs only in letter case gives way to it).
void UpdateHistory(std::vector<std::string>& history, const std::string& text);

// The text a search dialog starts with: a selection within one line, else the last text.
std::string InitialSearchText(const SearchState& state, const std::string& selection,
                              bool selectionWithinOneLine);

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Where the confirmation box goes: beside the occurrence (x, y1 top, y2 bottom) inside
// the window's client area; above it when the occurrence is in the lower third.
ScreenRect ConfirmBoxPlace(int x, int y1, int y2, int boxWidth, int boxHeight,
                           const ScreenRect& area);

// "Replace this occurence of \"text\"?"
std::string ConfirmReplaceText(const std::string& searchText);

}  // namespace skelder
