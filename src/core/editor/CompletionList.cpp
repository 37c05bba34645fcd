#include "core/editor/CompletionList.h"

#include <cctype>

#include "core/text/FileBytes.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

}  // namespace

void CompletionList::Read(const std::string& text) {
  insertTexts.clear();
  displayTexts.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = TrimText(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);

    if (line.empty() || line[0] == '#' || line[0] == ';' || line.size() <= 3) continue;
    const size_t separator = line.find("::");
    if (separator == std::string::npos || separator == 0) continue;
    ReplaceAll(line, "<CR>", "\r\n");
    const size_t at = line.find("::");
    insertTexts.push_back(line.substr(0, at));
    displayTexts.push_back(line.substr(at + 2));
  }
}

bool CompletionList::Load(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes)) return false;
  Read(bytes);
  return true;
}

std::string PlainDisplayText(const std::string& display) {
  std::string plain;
  for (size_t i = 0; i < display.size(); ++i) {
    if (display[i] == '\\' && i + 1 < display.size() &&
        std::isalpha(static_cast<unsigned char>(display[i + 1]))) {
      const size_t open = display.find('{', i);
      const size_t close = open == std::string::npos ? open : display.find('}', open);
      bool code = close != std::string::npos;
      for (size_t j = i + 1; code && j < open; ++j)
        code = std::isalpha(static_cast<unsigned char>(display[j])) != 0;
      if (code) {
        i = close;
        continue;
      }
    }
    plain += display[i];
  }
  return plain;
}

}  // namespace skelder
