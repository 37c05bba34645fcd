#pragma once
// The one facade through which the program asks or tells the user anything:
// message boxes, file dialogs, input boxes, font and colour dialogs. The gui implements it with
// real dialogs; tests and scripted runs answer from a queue (LoggedDialogs, ScriptedDialogs).
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/FontSetting.h"

namespace skelder {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A file dialog's request: its caption, the filter ("Tables (*.skd)|*.skd|..."),
// the default extension and the file name it starts with.
struct FileRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialPath;
};

// A font dialog's request: the font it starts with and which fonts it lists (only
// existing fonts, never simulated styles).
struct FontRequest {
  FontSetting initial;
  bool fixedPitchOnly = false;
  bool trueTypeOnly = false;
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // Shows a modal box with the exact text ("\r" and "\r\n" are line breaks).
  virtual MessageAnswer messageBox(MessageKind kind, MessageButtons buttons,
                                   const std::string& text) = 0;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
  virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;
  // The typed text, or nothing when the box was cancelled.
  virtual std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& initial) = 0;
  // The chosen font, or nothing when the dialog was cancelled.
  virtual std::optional<FontSetting> fontDialog(const FontRequest& /*request*/) {
    return std::nullopt;
  }
  // The colour dialog with its custom-colour panel open, starting with a colour
  // (0x00BBGGRR): the chosen colour, or nothing when it was cancelled.
  virtual std::optional<std::uint32_t> colorDialog(std::uint32_t /*initial*/) {
    return std::nullopt;
  }

  // Shorthand for the many error boxes with one OK button.
  void error(const std::string& text) { messageBox(MessageKind::Error, MessageButtons::Ok, text); }
};

// The answer a box gives when nobody chooses: its first button.
MessageAnswer DefaultAnswer(MessageButtons buttons);

}  // namespace skelder
