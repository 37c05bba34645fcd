#include "core/base/LoggedDialogs.h"

#include <fstream>

#include "core/base/DialogText.h"

namespace skelder {

LoggedDialogs::LoggedDialogs(std::string logPath, const std::string& answersPath)
    : logPath_(std::move(logPath)) {
  if (answersPath.empty()) return;
  std::ifstream in(answersPath, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    answers_.push_back(line);
  }
}

std::string LoggedDialogs::OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

void LoggedDialogs::log(const std::string& line) {
  if (logPath_.empty()) return;
  std::ofstream(logPath_, std::ios::app | std::ios::binary) << line << "\n";
}

std::string LoggedDialogs::nextAnswer() {
  if (answers_.empty()) return {};
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> LoggedDialogs::answerWith(const std::string& prefix) {
  const std::string answer = nextAnswer();
  if (answer.rfind(prefix, 0) == 0) return answer.substr(prefix.size());
  return std::nullopt;
}

MessageAnswer LoggedDialogs::messageBox(MessageKind kind, MessageButtons buttons,
                                        const std::string& text) {
  log(std::string(KindWord(kind)) + "|" + ButtonsWord(buttons) + "|" + OneLine(text));
  return ParseAnswer(nextAnswer(), buttons).value_or(DefaultAnswer(buttons));
}

std::optional<std::string> LoggedDialogs::openFile(const FileRequest& request) {
  log("file-open|" + OneLine(request.title) + "|" + OneLine(request.filter));
  return answerWith("file:");
}

std::optional<std::string> LoggedDialogs::saveFile(const FileRequest& request) {
  log("file-save|" + OneLine(request.title) + "|" + OneLine(request.filter));
  return answerWith("file:");
}

std::optional<std::string> LoggedDialogs::inputBox(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& /*initial*/) {
  log("input|" + OneLine(caption) + "|" + OneLine(prompt));
  return answerWith("text:");
}

std::optional<FontSetting> LoggedDialogs::fontDialog(const FontRequest& request) {
  log("font|" + FontWord(request.initial));
  const auto answer = answerWith("font:");
  return answer ? ParseFontWord(*answer) : std::nullopt;
}

std::optional<std::uint32_t> LoggedDialogs::colorDialog(std::uint32_t initial) {
  log("color|" + ColorWord(initial));
  const auto answer = answerWith("color:");
  return answer ? ParseColorWord(*answer) : std::nullopt;
}

}  // namespace skelder
