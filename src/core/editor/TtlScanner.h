#pragma once
// Splits one line of TTL into tokens for the highlighter: comments and labels, strings,
// blanks, words classified by the keyword store, and single other characters.
#include <functional>
#include <string>

#include "core/editor/KeywordStore.h"

namespace skelder {

// Token kinds by their codes; identifiers (1) are never produced: words that are no
// keywords are of kind Other.
enum class TokenKind {
  Comment = 0,
  Identifier = 1,
  Command = 2,
  Label = 3,
  SkelderKeyword = 4,
  EndOfLine = 5,
  Space = 6,
  String = 7,
  Operation = 8,
  SystemVariable = 9,
  Other = 10,
};

// Where the last token left off: inside a label, a comment or a string when the line
// ended first. Reported to the editor only; every token is scanned from None.
enum class RangeState { None = 0, Label = 1, Comment = 2, SingleQuoted = 3, DoubleQuoted = 4 };

class TtlScanner {
 public:
  explicit TtlScanner(const KeywordStore& keywords) : keywords_(keywords) {}

  // Whether a byte begins a double-byte character of the code page in use; none does
  // when not set.
  void setLeadByte(std::function<bool(unsigned char)> leadByte) { leadByte_ = std::move(leadByte); }

  // Takes a copy of the line and scans its first token.
  void StartLine(const std::string& line) { StartLine(line, 0); }
  // The same, with the first token at `from`, which must be where a token of the whole
  // line's scan starts; token starts stay counted from the line's beginning.
  void StartLine(const std::string& line, std::size_t from);
  void Next();
  bool AtEndOfLine() const { return kind_ == TokenKind::EndOfLine; }
  std::string TokenText() const { return line_.substr(start_, position_ - start_); }
  int TokenStart() const { return static_cast<int>(start_); }
  int TokenLength() const { return static_cast<int>(position_ - start_); }
  TokenKind Kind() const { return kind_; }

  RangeState Range() const { return range_; }
  void SetRange(RangeState range) { range_ = range; }
  void ResetRange() { range_ = RangeState::None; }

  // The kind of the word that begins `rest`, the line from the word's first character on.
  TokenKind Classify(const std::string& rest) const;

  // How far back from a changed byte the tokens of a line may depend on it: a word's
  // kind is decided by the bytes up to the longest keyword's length after its start.
  std::size_t Reach() const { return keywords_.longestName() + 2; }

 private:
  void scanString(char quote);
  void scanToLineEnd();
  TokenKind classify(const std::string& line, size_t begin, size_t end) const;

  const KeywordStore& keywords_;
  std::function<bool(unsigned char)> leadByte_;
  std::string line_;
  size_t position_ = 0;
  size_t trimmedEnd_ = 0;
  size_t start_ = 0;
  TokenKind kind_ = TokenKind::EndOfLine;
  RangeState range_ = RangeState::None;
};

}  // namespace skelder
