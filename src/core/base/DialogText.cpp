#include "core/base/DialogText.h"

#include <cctype>
#include <cstdio>

#include "core/text/DecimalNumber.h"

namespace skelder {

MessageAnswer DefaultAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return MessageAnswer::Yes;
  }
  return MessageAnswer::Ok;
}

const char* KindWord(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return "error";
    case MessageKind::Warning:
      return "warning";
    case MessageKind::Information:
      return "information";
    case MessageKind::Confirmation:
      return "confirmation";
  }
  return "error";
}

const char* ButtonsWord(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return "OK";
    case MessageButtons::OkCancel:
      return "OK,Cancel";
    case MessageButtons::YesNo:
      return "Yes,No";
    case MessageButtons::YesNoCancel:
      return "Yes,No,Cancel";
  }
  return "OK";
}

const char* AnswerWord(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return "OK";
    case MessageAnswer::Cancel:
      return "Cancel";
    case MessageAnswer::Yes:
      return "Yes";
    case MessageAnswer::No:
      return "No";
  }
  return "OK";
}

std::optional<MessageAnswer> ParseAnswer(const std::string& word, MessageButtons buttons) {
  const bool okCancel = buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel;
  if (word == "OK" && okCancel) return MessageAnswer::Ok;
  if (word == "Cancel" &&
      (buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel))
    return MessageAnswer::Cancel;
  if (word == "Yes" && !okCancel) return MessageAnswer::Yes;
  if (word == "No" && !okCancel) return MessageAnswer::No;
  return std::nullopt;
}

std::string ColorWord(std::uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

std::optional<std::uint32_t> ParseColorWord(const std::string& word) {
  if (word.size() != 7 || word[0] != '#') return std::nullopt;
  std::uint32_t rgb = 0;
  for (size_t i = 1; i < word.size(); ++i) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(word[i])));
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    rgb = rgb * 16 + static_cast<std::uint32_t>(digit);
  }
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::string FontWord(const FontSetting& font) {
  return font.name + "," + std::to_string(font.size) + "," + std::to_string(font.style) + "," +
         std::to_string(font.charSet);
}

std::optional<FontSetting> ParseFontWord(const std::string& word) {
  const size_t third = word.rfind(',');
  const size_t second =
      third == std::string::npos || third == 0 ? std::string::npos : word.rfind(',', third - 1);
  const size_t first =
      second == std::string::npos || second == 0 ? std::string::npos : word.rfind(',', second - 1);
  if (first == std::string::npos) return std::nullopt;
  FontSetting font;
  font.name = word.substr(0, first);
  std::int32_t size = 0, style = 0, charSet = 0;
  if (!ParseDecimal(word.substr(first + 1, second - first - 1), size) ||
      !ParseDecimal(word.substr(second + 1, third - second - 1), style) ||
      !ParseDecimal(word.substr(third + 1), charSet))
    return std::nullopt;
  font.size = size;
  font.style = style;
  font.charSet = charSet;
  return font;
}

}  // namespace skelder
