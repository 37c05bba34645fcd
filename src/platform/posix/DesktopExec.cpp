#include "platform/posix/DesktopExec.h"

namespace skelder {

namespace {

// Characters that make an argument need quoting in an Exec value.
bool Reserved(char c) {
  static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
  return reserved.find(c) != std::string::npos;
}

std::string QuotedArgument(const std::string& argument) {
  bool quote = argument.empty();
  for (char c : argument) quote = quote || Reserved(c);
  std::string text;
  if (quote) text += '"';
  for (char c : argument) {
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) text += '\\';
    text += c;
    if (c == '%') text += '%';  // a lone "%" would start a field code
  }
  if (quote) text += '"';
  return text;
}

// The escapes of a string value: backslash, line feed, tab and carriage return.
std::string StringValue(const std::string& text) {
  std::string value;
  for (char c : text) {
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\t':
        value += "\\t";
        break;
      case '\r':
        value += "\\r";
        break;
      default:
        value += c;
    }
  }
  return value;
}

}  // namespace

std::string DesktopExecLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += QuotedArgument(argument);
  }
  return StringValue(line);
}

}  // namespace skelder
