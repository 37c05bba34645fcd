#include "core/app/DialogText.h"

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

}  // namespace skelder
