#include "core/editor/MacroTemplates.h"

#include <algorithm>

#include "core/base/ProgramFolder.h"
#include "core/text/FileBytes.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

constexpr char kHeader[] = "[MACRO_TEMPLATE ";
constexpr size_t kHeaderLength = sizeof kHeader - 1;
constexpr char kLineEnd[] = "\r\n";

bool IsHeader(const std::string& line) {
  return UpperCase(TrimText(line)).compare(0, kHeaderLength, kHeader) == 0;
}

// A header's trimmed text begins with "[", so the line's first "[" opens the header.
std::string HeaderName(const std::string& line) {
  const size_t begin = line.find('[') + kHeaderLength;
  const size_t end = line.find(']', begin);
  return line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace

void MacroTemplates::Read(const std::string& text) {
  items_.clear();
  bodies_.clear();
  bool inTemplate = false;  // whether the lines go to the last body
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t index = 0; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    if (!IsHeader(line)) {
      if (inTemplate) bodies_.back() += line + kLineEnd;
      continue;
    }
    TemplateMenuItem item;
    item.headerLine = static_cast<int>(index);
    const std::string name = HeaderName(line);
    if (UpperCase(name) == "SEPARATOR") {
      item.separator = true;
      inTemplate = false;
    } else {
      item.caption = name;
      item.tag = static_cast<int>(bodies_.size());
      bodies_.emplace_back();
      inTemplate = true;
    }
    items_.push_back(std::move(item));
  }
}

MacroTemplates::LoadResult MacroTemplates::Load(const std::string& path, std::error_code* error) {
  if (!FileExists(path)) return LoadResult::Missing;
  std::string bytes;
  if (const std::error_code failure = ReadFileBytes(path, bytes)) {
    if (error) *error = failure;
    return LoadResult::Unreadable;
  }
  Read(bytes);
  return LoadResult::Read;
}

TemplateInsertion InsertTemplate(const std::string& text, size_t selectionStart,
                                 size_t selectionEnd, bool caretInFirstColumn,
                                 const std::string& body) {
  const size_t start = std::min({selectionStart, selectionEnd, text.size()});
  const size_t end = std::min(std::max(selectionStart, selectionEnd), text.size());
  TemplateInsertion insertion;
  insertion.text = text.substr(0, start);
  if (!caretInFirstColumn) insertion.text += kLineEnd;
  insertion.text += body;
  insertion.caret = insertion.text.size();
  insertion.text += kLineEnd;
  insertion.text.append(text, end, std::string::npos);
  return insertion;
}

}  // namespace skelder
