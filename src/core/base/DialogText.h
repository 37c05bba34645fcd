#pragma once
// How boxes are written down in the dialog log: kinds and buttons as words.
#include <optional>
#include <string>

#include "core/base/UserDialogs.h"

namespace skelder {

const char* KindWord(MessageKind kind);           // "error", "warning", ...
const char* ButtonsWord(MessageButtons buttons);  // "OK", "OK,Cancel", "Yes,No", ...
// "OK", "Cancel", "Yes", "No" and back; nothing for an unknown word or one the
// buttons do not offer.
const char* AnswerWord(MessageAnswer answer);
std::optional<MessageAnswer> ParseAnswer(const std::string& word, MessageButtons buttons);

// A colour (0x00BBGGRR) as "#RRGGBB" and back.
std::string ColorWord(std::uint32_t color);
std::optional<std::uint32_t> ParseColorWord(const std::string& word);
// A font as "name,size,style,charset" and back.
std::string FontWord(const FontSetting& font);
std::optional<FontSetting> ParseFontWord(const std::string& word);

}  // namespace skelder
