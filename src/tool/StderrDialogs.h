#pragma once
// The dialogs of the command-line tool: every message goes to standard error, every box
// takes its first button, and no file or input dialog is ever answered. The error boxes
// are counted, so that a command can tell that something failed.
#include <string>

#include "core/base/UserDialogs.h"

namespace skelder {

class StderrDialogs : public UserDialogs {
 public:
  MessageAnswer messageBox(MessageKind kind, MessageButtons buttons,
                           const std::string& text) override;
  std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  int errorCount() const { return errors_; }

 private:
  int errors_ = 0;
};

}  // namespace skelder
