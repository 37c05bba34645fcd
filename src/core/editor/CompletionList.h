#pragma once
// The completion list of the macro editor, read from "SynComp.pro": one entry a line,
// the text to insert, "::" and the text to show ("<CR>" standing for a line break).
#include <string>
#include <vector>

namespace skelder {

struct CompletionList {
  std::vector<std::string> insertTexts;
  std::vector<std::string> displayTexts;

  // Replaces both lists from the file's text. Lines beginning with "#" or ";", lines of
  // three characters or fewer and lines without "::" after their first character are
  // skipped.
  void Read(const std::string& text);
  // The same from the file; false, leaving the lists as they are, when it cannot be read.
  bool Load(const std::string& path);
};

// A display text without the list's formatting codes ("\style{+B}", "\column{}").
std::string PlainDisplayText(const std::string& display);

}  // namespace skelder
