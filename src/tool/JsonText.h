#pragma once
// Node strings in JSON. The tree holds bytes of the 8-bit code page; JSON holds Unicode.
#include <string>

namespace skelder {

bool IsValidUtf8(const std::string& bytes);

// The bytes themselves when they are valid UTF-8, otherwise each byte as the code point
// of the same value (0 to 255), as UTF-8.
std::string JsonTextFromBytes(const std::string& bytes);

// The bytes for a UTF-8 text from JSON. With codePageBytes (on systems whose 8-bit code
// page is not UTF-8) a text made only of code points up to 255 becomes one byte per
// character, unless those bytes would read back as different UTF-8 text; otherwise the
// text stays UTF-8. Either way JsonTextFromBytes gives the text back.
std::string BytesFromJsonText(const std::string& text, bool codePageBytes);

}  // namespace skelder
