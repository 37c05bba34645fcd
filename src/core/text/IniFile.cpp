#include "core/text/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

#include "core/text/DecimalNumber.h"
#include "core/text/FileBytes.h"

namespace skelder {

namespace {

bool EndsLine(char c) { return c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::size_t SkipBlanks(const std::string& s, std::size_t from, std::size_t end) {
  while (from < end && IsBlank(s[from])) ++from;
  return from;
}

std::size_t TrimEnd(const std::string& s, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(s[end - 1])) --end;
  return end;
}

std::string Fold(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Trimmed(const std::string& s) {
  const std::size_t begin = SkipBlanks(s, 0, s.size());
  return s.substr(begin, TrimEnd(s, begin, s.size()) - begin);
}

// Up to eight hexadecimal digits; values above 0x7FFFFFFF wrap to negative numbers.
bool ParseHexadecimal(const std::string& digits, std::int32_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  std::uint32_t number = 0;
  for (const char c : digits) {
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    number = number * 16 + digit;
  }
  value = static_cast<std::int32_t>(number);
  return true;
}

}  // namespace

IniFile::IniFile(std::string bytes) : bytes_(std::move(bytes)) { parse(); }

bool IniFile::load(const std::string& path) {
  std::string bytes;
  const std::error_code ec = ReadFileBytes(path, bytes);
  const bool ok = !ec || ec == std::errc::no_such_file_or_directory;
  bytes_ = ok ? std::move(bytes) : std::string();
  parse();
  return ok;
}

bool IniFile::save(const std::string& path) const { return !ReplaceFileBytes(path, bytes_); }

void IniFile::parse() {
  lines_.clear();
  sections_.clear();
  Section* section = nullptr;
  std::size_t begin = 0;
  while (begin < bytes_.size()) {
    Line line;
    line.begin = begin;
    // A line ends with CR LF, LF or a lone CR, as the profile functions read it.
    const std::size_t lineBreak = bytes_.find_first_of("\r\n", begin);
    line.end = lineBreak == std::string::npos ? bytes_.size() : lineBreak;
    line.next = lineBreak == std::string::npos ? bytes_.size() : lineBreak + 1;
    if (lineBreak != std::string::npos && bytes_[lineBreak] == '\r' &&
        lineBreak + 1 < bytes_.size() && bytes_[lineBreak + 1] == '\n')
      ++line.next;
    const std::size_t index = lines_.size();
    const std::size_t text = SkipBlanks(bytes_, begin, line.end);
    line.content = text < line.end && bytes_[text] != ';';
    if (line.content && bytes_[text] == '[') {
      std::size_t close = bytes_.find(']', text);
      if (close == std::string::npos || close > line.end) close = line.end;
      const std::size_t nameBegin = SkipBlanks(bytes_, text + 1, close);
      const std::string name =
          Fold(bytes_.substr(nameBegin, TrimEnd(bytes_, nameBegin, close) - nameBegin));
      auto [it, added] = sections_.try_emplace(name);
      // A repeated section header starts a section that reading never sees.
      section = added ? &it->second : nullptr;
      if (section) section->header = section->lastContent = index;
    } else if (line.content && section) {
      section->lastContent = index;
      const std::size_t equals = bytes_.find('=', text);
      if (equals != std::string::npos && equals < line.end) {
        line.keyBegin = text;
        line.keyEnd = TrimEnd(bytes_, text, equals);
        line.valueBegin = equals + 1;
        if (line.keyEnd > line.keyBegin)
          section->keys.try_emplace(Fold(bytes_.substr(text, line.keyEnd - text)), index);
      }
    }
    lines_.push_back(line);
    begin = line.next;
  }
}

const IniFile::Line* IniFile::findKey(const std::string& section, const std::string& key) const {
  const auto s = sections_.find(Fold(Trimmed(section)));
  if (s == sections_.end()) return nullptr;
  const auto k = s->second.keys.find(Fold(Trimmed(key)));
  return k == s->second.keys.end() ? nullptr : &lines_[k->second];
}

bool IniFile::hasSection(const std::string& section) const {
  return sections_.count(Fold(Trimmed(section))) != 0;
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const {
  return findKey(section, key) != nullptr;
}

std::vector<std::string> IniFile::keyNames(const std::string& section) const {
  std::vector<std::string> names;
  const auto s = sections_.find(Fold(Trimmed(section)));
  if (s == sections_.end()) return names;
  std::vector<std::size_t> lines;
  lines.reserve(s->second.keys.size());
  for (const auto& [folded, line] : s->second.keys) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  for (const std::size_t index : lines) {
    const Line& line = lines_[index];
    names.push_back(bytes_.substr(line.keyBegin, line.keyEnd - line.keyBegin));
  }
  return names;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  const Line* line = findKey(section, key);
  if (!line) return defaultValue;
  std::size_t begin = SkipBlanks(bytes_, line->valueBegin, line->end);
  std::size_t end = TrimEnd(bytes_, begin, line->end);
  if (end - begin >= 2 && (bytes_[begin] == '"' || bytes_[begin] == '\'') &&
      bytes_[end - 1] == bytes_[begin]) {
    ++begin;
    --end;
  }
  return bytes_.substr(begin, std::min(end - begin, kMaxValueLength));
}

std::int32_t IniFile::readInteger(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue) const {
  const std::string text = readString(section, key);
  std::int32_t value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseHexadecimal(text.substr(2), value) ? value : defaultValue;
  return ParseDecimal(text, value) ? value : defaultValue;
}

// The file's own line end (that of its first line), CR LF for a file without one.
std::string IniFile::lineEnd() const {
  const std::size_t lineBreak = bytes_.find_first_of("\r\n");
  if (lineBreak == std::string::npos) return "\r\n";
  if (bytes_[lineBreak] == '\n') return "\n";
  return lineBreak + 1 < bytes_.size() && bytes_[lineBreak + 1] == '\n' ? "\r\n" : "\r";
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
  const std::string cleanValue = value.substr(0, value.find_first_of("\r\n"));
  const std::string cleanKey = Trimmed(key);
  const std::string cleanSection = Trimmed(section);
  const std::string eol = lineEnd();
  if (const Line* line = findKey(cleanSection, cleanKey)) {
    const std::string written = bytes_.substr(line->keyBegin, line->keyEnd - line->keyBegin);
    bytes_.replace(line->keyBegin, line->end - line->keyBegin, written + "=" + cleanValue);
  } else if (const auto s = sections_.find(Fold(cleanSection)); s != sections_.end()) {
    const Line& after = lines_[s->second.lastContent];
    std::string added = cleanKey + "=" + cleanValue + eol;
    if (after.next == bytes_.size() && !EndsLine(bytes_.back())) added.insert(0, eol);
    bytes_.insert(after.next, added);
  } else {
    std::string added;
    if (!bytes_.empty() && !EndsLine(bytes_.back())) added += eol;
    added += "[" + cleanSection + "]" + eol + cleanKey + "=" + cleanValue + eol;
    bytes_ += added;
  }
  parse();
}

void IniFile::writeInteger(const std::string& section, const std::string& key, std::int32_t value) {
  writeString(section, key, std::to_string(value));
}

}  // namespace skelder
