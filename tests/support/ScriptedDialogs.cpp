#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/base/DialogText.h"

namespace skelder::testing {

std::ostream& operator<<(std::ostream& out, const RecordedBox& box) {
  return out << box.kind << "|" << box.buttons << "|" << box.text;
}

std::string ScriptedDialogs::next(const std::string& what) {
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << what;
    return "";
  }
  std::string reply = answers_.front();
  answers_.pop_front();
  return reply;
}

MessageAnswer ScriptedDialogs::messageBox(MessageKind kind, MessageButtons buttons,
                                          const std::string& text) {
  boxes_.push_back({KindWord(kind), ButtonsWord(buttons), text});
  if (buttons == MessageButtons::Ok && allowOk_ && kind != MessageKind::Confirmation &&
      answers_.empty())
    return MessageAnswer::Ok;
  const std::string reply = next(boxes_.back().kind + "|" + boxes_.back().buttons + "|" + text);
  if (auto answer = ParseAnswer(reply, buttons)) return *answer;
  ADD_FAILURE() << "answer '" << reply << "' does not fit box: " << text;
  return DefaultAnswer(buttons);
}

static std::optional<std::string> FileAnswer(const std::string& reply) {
  if (reply.rfind("file:", 0) == 0) return reply.substr(5);
  return std::nullopt;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileRequest& request) {
  boxes_.push_back({"file-open", "", request.title});
  return FileAnswer(next("file-open|" + request.title));
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileRequest& request) {
  boxes_.push_back({"file-save", "", request.title});
  return FileAnswer(next("file-save|" + request.title));
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& /*initial*/) {
  boxes_.push_back({"input", "", caption + "|" + prompt});
  const std::string reply = next("input|" + caption + "|" + prompt);
  if (reply.rfind("text:", 0) == 0) return reply.substr(5);
  return std::nullopt;
}

std::optional<FontSetting> ScriptedDialogs::fontDialog(const FontRequest& request) {
  const std::string lists = request.fixedPitchOnly ? "fixed"
                            : request.trueTypeOnly ? "truetype"
                                                   : "";
  boxes_.push_back({"font", lists, FontWord(request.initial)});
  const std::string reply = next("font|" + FontWord(request.initial));
  if (reply.rfind("font:", 0) == 0) return ParseFontWord(reply.substr(5));
  return std::nullopt;
}

std::optional<std::uint32_t> ScriptedDialogs::colorDialog(std::uint32_t initial) {
  boxes_.push_back({"color", "", ColorWord(initial)});
  const std::string reply = next("color|" + ColorWord(initial));
  if (reply.rfind("color:", 0) == 0) return ParseColorWord(reply.substr(6));
  return std::nullopt;
}

RecordedBox ErrorBox(const std::string& text) { return {"error", "OK", text}; }
RecordedBox WarningBox(const std::string& text) { return {"warning", "OK", text}; }
RecordedBox InformationBox(const std::string& text) { return {"information", "OK", text}; }
RecordedBox ConfirmBox(const std::string& buttons, const std::string& text) {
  return {"confirmation", buttons, text};
}

}  // namespace skelder::testing
