#pragma once
// Dialogs for scripted runs of the whole program: no box is shown; each is appended to a
// log file as one line ("kind|buttons|text", "file-open|title|filter", "input|caption|
// prompt", "font|name,size,style,charset", "color|#RRGGBB") and answered from an answers
// file, one answer a line, consumed in order ("Yes", "No", "Cancel", "OK", "file:/path",
// "text:value", "font:name,size,style,charset", "color:#RRGGBB"). With no answer left a
// box takes its first button and any other dialog is cancelled.
#include <deque>
#include <string>

#include "core/base/UserDialogs.h"

namespace skelder {

class LoggedDialogs : public UserDialogs {
 public:
  // Either path may be empty: no log, or no answers.
  LoggedDialogs(std::string logPath, const std::string& answersPath);

  MessageAnswer messageBox(MessageKind kind, MessageButtons buttons,
                           const std::string& text) override;
  std::optional<std::string> openFile(const FileRequest& request) override;
  std::optional<std::string> saveFile(const FileRequest& request) override;
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;
  std::optional<FontSetting> fontDialog(const FontRequest& request) override;
  std::optional<std::uint32_t> colorDialog(std::uint32_t initial) override;

  // A text with its line breaks written as the two characters \r and \n.
  static std::string OneLine(const std::string& text);

 private:
  void log(const std::string& line);
  std::string nextAnswer();
  std::optional<std::string> answerWith(const std::string& prefix);

  std::string logPath_;
  std::deque<std::string> answers_;
};

}  // namespace skelder
