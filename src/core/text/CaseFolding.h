#pragma once
// Case folding for searches that ignore case, on bytes in the 8-bit code page or UTF-8.
// Every byte keeps its place: a folded text has the same length as the original, so a
// position found in it is a position in the original.
#include <string>
#include <string_view>

namespace skelder {

// The text in lower case: ASCII letters; the two-byte UTF-8 letters of Latin-1, Latin
// Extended-A, Greek and Cyrillic; and, for a byte that starts no valid UTF-8 sequence,
// the upper-case letters of Latin-1 (the Windows code page 1252).
std::string FoldCase(std::string_view text);
// The same where the text stands.
void FoldInPlace(std::string& text);

}  // namespace skelder
