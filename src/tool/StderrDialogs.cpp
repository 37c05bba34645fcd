#include "tool/StderrDialogs.h"

#include <iostream>

namespace skelder {

MessageAnswer StderrDialogs::messageBox(MessageKind kind, MessageButtons buttons,
                                        const std::string& text) {
  if (kind == MessageKind::Error) ++errors_;
  // "\r" and "\r\n" are the boxes' line breaks.
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  std::cerr << lines << '\n';
  return DefaultAnswer(buttons);
}

}  // namespace skelder
