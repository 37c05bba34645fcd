#pragma once
// The dialogs of the tool's macro commands: messages as StderrDialogs shows them, and
// input boxes asked on the terminal (the prompt on standard error, the answer a line of
// standard input; its end cancels).
#include "tool/StderrDialogs.h"

namespace skelder {

class TerminalDialogs : public StderrDialogs {
 public:
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;
};

}  // namespace skelder
