#include "core/editor/KeywordStore.h"

#include <algorithm>

#include "core/text/DecimalNumber.h"
#include "core/text/FileBytes.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

constexpr int kMinimumLines = 5;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

void KeywordStore::Clear() {
  names_.clear();
  numbers_.clear();
  for (Range& range : ranges_) range = Range{};
  firstIndex_.clear();
  skelderKeywords_.clear();
  longestName_ = 0;
}

bool KeywordStore::LoadKeywords(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes)) {
    Clear();
    return false;
  }
  return Load(bytes);
}

bool KeywordStore::Load(const std::string& text) {
  Clear();
  std::vector<std::string> lines = SplitLines(text);
  if (static_cast<int>(lines.size()) < kMinimumLines) return false;

  for (std::string& line : lines) {
    for (char& c : line)
      if (static_cast<unsigned char>(c) < 32) c = ' ';
    const size_t first = line.find_first_not_of(' ');
    if (first != std::string::npos && line[first] == ';') continue;
    line = TrimText(line);
    if (line.empty() || line.find(',') != std::string::npos) continue;
    names_.push_back(line);
  }
  numbers_.assign(names_.size(), 0);

  const int count = static_cast<int>(names_.size());
  const struct {
    KeywordSection section;
    const char* header;
  } headers[] = {{KeywordSection::Commands, "[COMMANDS]"},
                 {KeywordSection::SystemVariables, "[SYSVARS]"},
                 {KeywordSection::SkelderKeywords, "[SKDKEYWORDS]"},
                 {KeywordSection::Operations, "[SYMBOLS]"}};
  for (const auto& h : headers) {
    int header = 0;
    while (header < count && UpperCase(names_[header]) != h.header) ++header;
    if (header == count) continue;
    // Operations may be words that begin with "[": only a header ends their section.
    const bool operations = h.section == KeywordSection::Operations;
    int end = header + 1;
    while (end < count &&
           !(names_[end][0] == '[' && (!operations || names_[end].find(']') != std::string::npos)))
      ++end;
    ranges_[Index(h.section)] = Range{header + 1, end - 1};
  }

  for (int i = 0; i < count; ++i) {
    std::string& name = names_[i];
    std::int32_t number = 0;
    const size_t equals = name.rfind('=');
    if (equals != std::string::npos) {
      if (!ParseDecimal(TrimText(name.substr(equals + 1)), number)) number = 0;
      name = LowerCase(TrimText(name.substr(0, equals)));
    }
    numbers_[i] = number;
    firstIndex_.emplace(name, i);
    longestName_ = std::max(longestName_, name.size());
  }
  const Range& skelder = ranges_[Index(KeywordSection::SkelderKeywords)];
  for (int i = skelder.first; i <= skelder.last; ++i) skelderKeywords_.insert(names_[i]);
  return true;
}

std::optional<KeywordSection> KeywordStore::SectionOf(const std::string& word) const {
  const auto found = firstIndex_.find(word);
  if (found == firstIndex_.end()) return std::nullopt;
  const int index = found->second;
  for (KeywordSection section : {KeywordSection::Commands, KeywordSection::SystemVariables,
                                 KeywordSection::SkelderKeywords, KeywordSection::Operations}) {
    const Range& range = ranges_[Index(section)];
    if (index >= range.first && index <= range.last) return section;
  }
  return std::nullopt;
}

bool KeywordStore::IsSkelderKeyword(const std::string& word) const {
  return skelderKeywords_.count(word) > 0;
}

int KeywordStore::HelpNumber(const std::string& word) const {
  const auto found = firstIndex_.find(word);
  return found == firstIndex_.end() ? 0 : numbers_[found->second];
}

}  // namespace skelder
