#include "core/text/FileErrorText.h"

namespace skelder {

static std::string Reason(std::error_code error) {
  std::string text = error.message();
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

std::string FileOpenErrorText(const std::string& path, std::error_code error) {
  return "Cannot open file \"" + path + "\". " + Reason(error);
}

std::string FileCreateErrorText(const std::string& path, std::error_code error) {
  return "Cannot create file \"" + path + "\". " + Reason(error);
}

}  // namespace skelder
