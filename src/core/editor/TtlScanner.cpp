#include "core/editor/TtlScanner.h"

#include <algorithm>

#include "core/editor/TtlCharacters.h"

namespace skelder {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// Codes 1 to 32: the characters a space token takes after its first.
bool IsSpaceCode(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

// The end of the text without its trailing blanks and control characters.
size_t TrimmedEnd(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && IsBlankOrControl(text[end - 1])) --end;
  return end;
}

}  // namespace

void TtlScanner::StartLine(const std::string& line, std::size_t from) {
  line_ = line;
  position_ = std::min(from, line_.size());
  trimmedEnd_ = TrimmedEnd(line_);
  Next();
}

void TtlScanner::Next() {
  start_ = position_;
  range_ = RangeState::None;
  if (position_ >= line_.size()) {
    kind_ = TokenKind::EndOfLine;
    return;
  }
  const char c = line_[position_];
  switch (c) {
    case '\n':
      kind_ = TokenKind::Space;
      ++position_;
      return;
    case '\r':
      kind_ = TokenKind::Space;
      ++position_;
      if (position_ < line_.size() && line_[position_] == '\n') ++position_;
      return;
    case '\'':
    case '"':
      scanString(c);
      return;
    case ':':
      kind_ = TokenKind::Label;
      range_ = RangeState::Label;
      ++position_;
      scanToLineEnd();
      return;
    case ';':
      kind_ = TokenKind::Comment;
      range_ = RangeState::Comment;
      ++position_;
      scanToLineEnd();
      return;
    default:
      break;
  }
  if (IsSpaceCode(c)) {
    kind_ = TokenKind::Space;
    while (position_ < line_.size() && IsSpaceCode(line_[position_])) ++position_;
  } else if (IsWordStartChar(c)) {
    kind_ = classify(line_, position_, trimmedEnd_);
    ++position_;
    while (position_ < line_.size() && IsWordChar(line_[position_])) ++position_;
  } else {
    // A NUL inside the line is one such character too, so that the rest is scanned.
    kind_ = TokenKind::Other;
    ++position_;
    if (leadByte_ && leadByte_(static_cast<unsigned char>(c)) && position_ < line_.size())
      ++position_;
  }
}

// No escapes: a doubled quote closes the string and opens the next.
void TtlScanner::scanString(char quote) {
  kind_ = TokenKind::String;
  range_ = quote == '\'' ? RangeState::SingleQuoted : RangeState::DoubleQuoted;
  ++position_;
  while (position_ < line_.size()) {
    if (line_[position_++] == quote) {
      range_ = RangeState::None;
      return;
    }
  }
}

// A comment or label runs to the end of the line, or up to and including "#13".
void TtlScanner::scanToLineEnd() {
  while (position_ < line_.size()) {
    if (line_.compare(position_, 3, "#13") == 0) {
      position_ += 3;
      range_ = RangeState::None;
      return;
    }
    ++position_;
  }
}

TokenKind TtlScanner::Classify(const std::string& rest) const {
  size_t begin = 0;
  while (begin < rest.size() && IsBlankOrControl(rest[begin])) ++begin;
  return classify(rest, begin, std::max(begin, TrimmedEnd(rest)));
}

// The word is looked up with what follows it up to the next space (or the end of the
// trimmed line): "sendln 'x'" finds "sendln", "beep;note" finds nothing. A text longer
// than the longest keyword finds nothing either, so the search for the space stops
// there: a long line without blanks costs no more per word than a short one.
TokenKind TtlScanner::classify(const std::string& line, size_t begin, size_t end) const {
  const size_t longest = keywords_.longestName();
  const size_t limit = std::min(end, begin + longest + 1);
  size_t stop = begin;
  while (stop < limit && line[stop] != ' ') ++stop;
  if (stop - begin > longest) return TokenKind::Other;
  std::string word = line.substr(begin, stop - begin);
  for (char& ch : word)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  const auto section = keywords_.SectionOf(word);
  if (!section) return TokenKind::Other;
  switch (*section) {
    case KeywordSection::Commands:
      return TokenKind::Command;
    case KeywordSection::SystemVariables:
      return TokenKind::SystemVariable;
    case KeywordSection::SkelderKeywords:
      return TokenKind::SkelderKeyword;
    case KeywordSection::Operations:
      return TokenKind::Operation;
  }
  return TokenKind::Other;
}

}  // namespace skelder
