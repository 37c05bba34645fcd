#pragma once
// A UserDialogs for tests: records every box (kind, buttons, text) and answers from a
// queue the test fills. A box for which no answer was queued fails the test.
#include <deque>
#include <string>
#include <vector>

#include "core/base/UserDialogs.h"

namespace skelder::testing {

struct RecordedBox {
  std::string kind;     // "error", "warning", "information", "confirmation", "file-open", ...
  std::string buttons;  // "OK", "Yes,No", ... (empty for file and input dialogs)
  std::string text;
  bool operator==(const RecordedBox& other) const {
    return kind == other.kind && buttons == other.buttons && text == other.text;
  }
};

// Prints as one line in failure messages.
std::ostream& operator<<(std::ostream& out, const RecordedBox& box);

class ScriptedDialogs : public UserDialogs {
 public:
  // Queue answers: "Yes", "No", "Cancel", "OK", "file:/path", "text:value",
  // "font:name,size,style,charset", "color:#RRGGBB", "cancel".
  void answer(const std::string& reply) { answers_.push_back(reply); }
  // An error or information box with one OK button needs no queued answer.
  void allowUnansweredOk(bool allow) { allowOk_ = allow; }

  const std::vector<RecordedBox>& boxes() const { return boxes_; }
  void clear() { boxes_.clear(); }
  bool answersLeft() const { return !answers_.empty(); }

  MessageAnswer messageBox(MessageKind kind, MessageButtons buttons,
                           const std::string& text) override;
  std::optional<std::string> openFile(const FileRequest& request) override;
  std::optional<std::string> saveFile(const FileRequest& request) override;
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;
  // Recorded as {"font", "fixed" or "truetype" or "", the initial font as a word} and
  // {"color", "", "#RRGGBB"}.
  std::optional<FontSetting> fontDialog(const FontRequest& request) override;
  std::optional<std::uint32_t> colorDialog(std::uint32_t initial) override;

 private:
  std::string next(const std::string& what);

  std::deque<std::string> answers_;
  std::vector<RecordedBox> boxes_;
  bool allowOk_ = true;
};

// Shorthands for expected boxes.
RecordedBox ErrorBox(const std::string& text);
RecordedBox WarningBox(const std::string& text);
RecordedBox InformationBox(const std::string& text);
RecordedBox ConfirmBox(const std::string& buttons, const std::string& text);

}  // namespace skelder::testing
