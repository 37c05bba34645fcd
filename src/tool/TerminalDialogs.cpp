#include "tool/TerminalDialogs.h"

#include <iostream>

namespace skelder {

std::optional<std::string> TerminalDialogs::inputBox(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& /*initial*/) {
  std::cerr << caption << "\n" << prompt << ": " << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) {
    std::cerr << '\n';
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace skelder
