#pragma once
// The working list of text lines that one run passes from assembly through keyword
// substitution to the macro file.
#include <string>
#include <vector>

#include "core/text/Texts.h"

namespace skelder {

class MacroLineList {
 public:
  // Replaces the lines with the text split at CR, LF or CR LF. A line break at the end
  // of the text starts no further line; an empty text gives no lines.
  void load(const std::string& text);
  // Every line followed by CR LF, the last one too.
  std::string text() const;
  void clear() { lines_.clear(); }

  std::vector<std::string>& lines() { return lines_; }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace skelder
