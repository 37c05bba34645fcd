#pragma once
// The wildcards of ssh's patterns and of file names: "*" any run of characters, "?" any
// one character.
#include <string>

namespace skelder {

// Whether the whole text matches the pattern; ignoreCase for ASCII letters.
bool WildcardMatch(const std::string& pattern, const std::string& text, bool ignoreCase);

}  // namespace skelder
