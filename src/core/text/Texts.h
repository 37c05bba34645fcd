#pragma once
// Small operations on the program's byte texts.
#include <string>
#include <vector>

namespace skelder {

// Without blanks, tabs, line breaks and other control characters at either end.
std::string TrimText(const std::string& text);

// ASCII letters only; other bytes of the code page stay as they are.
std::string LowerCase(std::string text);
std::string UpperCase(std::string text);

// The lines of a text whose lines end with CR LF, LF or a lone CR; a last line without
// an end counts, an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace skelder
