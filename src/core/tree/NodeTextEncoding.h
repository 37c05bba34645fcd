#pragma once
// The URL-style encoding in which a node's Macro and Popup are stored.
#include <cstdint>
#include <string>

namespace skelder {

// Letters and digits stay; a space becomes "+" (spaceAsPlus) or "%20"; every other
// byte becomes "%" and two upper-case hexadecimal digits.
std::string EncodeNodeText(const std::string& text, bool spaceAsPlus);

// Reverses EncodeNodeText and never fails: "+" is a space, "%" takes the next two
// bytes through ParseHexValue (a byte 0 for anything that is not hexadecimal).
std::string DecodeNodeText(const std::string& encoded);
// The same into out (emptied first), which keeps its capacity across calls.
void DecodeNodeTextInto(std::string& out, const std::string& encoded);

// Hexadecimal digits, case-insensitive, with an optional trailing "H"; 0 for an empty
// text or one holding any other character.
std::int64_t ParseHexValue(const std::string& text);

}  // namespace skelder
