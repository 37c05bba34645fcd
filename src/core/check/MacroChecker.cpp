#include "core/check/MacroChecker.h"

#include <algorithm>
#include <unordered_map>

#include "core/check/TtlCodeLines.h"
#include "core/editor/TtlScanner.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

struct Token {
  TokenKind kind;
  int start;  // counted from 0
  int length;
  bool unclosed;  // a string its line does not close
};

enum class Block { If, For, While, Do, Until };

struct BlockWords {
  const char* opener;
  const char* closer;
};

constexpr BlockWords kBlockWords[] = {
    {"if", "endif"}, {"for", "next"}, {"while", "endwhile"}, {"do", "loop"}, {"until", "enduntil"}};

const BlockWords& WordsOf(Block block) { return kBlockWords[static_cast<int>(block)]; }

struct OpenBlock {
  Block block;
  int line;
  int column;
  int length;
  bool afterElse = false;
};

struct LabelUse {
  std::string key;   // the name in lower case
  std::string name;  // as written
  std::string command;
  int line;
  int column;
  int length;
};

bool IsIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The length of the identifier that begins at the position; 0 when none does.
size_t IdentifierLength(const std::string& text, size_t at) {
  if (at >= text.size() || !IsIdentifierStart(text[at])) return 0;
  size_t end = at + 1;
  while (end < text.size() && IsIdentifierChar(text[end])) ++end;
  return end - at;
}

std::string Quoted(const std::string& word) { return "\"" + word + "\""; }

class CheckRun {
 public:
  explicit CheckRun(const KeywordStore& keywords) : keywords_(keywords), scanner_(keywords) {}

  std::vector<MacroFinding> check(const std::string& text) {
    const TtlCodeLines code(SplitLines(text));
    const std::vector<std::string>& lines = code.lines();
    for (size_t n = 0; n < lines.size(); ++n) checkLine(static_cast<int>(n) + 1, lines[n]);
    for (const OpenBlock& open : blocks_) unclosed(open);
    if (const auto& comment = code.unclosedComment())
      add(comment->line, comment->column, 2, FindingSeverity::Error,
          "comment not closed: \"/*\" without \"*/\"");
    for (const LabelUse& use : uses_) {
      if (labels_.count(use.key)) continue;
      if (includes_)
        add(use.line, use.column, use.length, FindingSeverity::Warning,
            "no label " + Quoted(use.name) + " in this macro; an included file may define it");
      else
        add(use.line, use.column, use.length, FindingSeverity::Error,
            "no label " + Quoted(use.name) + " for this " + use.command);
    }
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const MacroFinding& a, const MacroFinding& b) {
                       return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    return std::move(findings_);
  }

 private:
  void add(int line, int column, int length, FindingSeverity severity, std::string message) {
    findings_.push_back({line, column, std::max(length, 1), severity, std::move(message)});
  }

  void scan(const std::string& code) {
    tokens_.clear();
    scanner_.StartLine(code);
    while (!scanner_.AtEndOfLine()) {
      if (scanner_.Kind() != TokenKind::Space)
        tokens_.push_back(
            {scanner_.Kind(), scanner_.TokenStart(), scanner_.TokenLength(),
             scanner_.Kind() == TokenKind::String && scanner_.Range() != RangeState::None});
      scanner_.Next();
    }
  }

  std::string textOf(const Token& token) const {
    return line_->substr(static_cast<size_t>(token.start), static_cast<size_t>(token.length));
  }

  void checkLine(int line, const std::string& code) {
    line_ = &code;
    lineNumber_ = line;
    scan(code);
    for (const Token& token : tokens_)
      if (token.unclosed)
        add(line, token.start + 1, static_cast<int>(TrimText(textOf(token)).size()),
            FindingSeverity::Error, "string not closed on this line");
    if (tokens_.empty()) return;
    const Token& first = tokens_.front();
    if (first.kind == TokenKind::Label) return label(first);

    const size_t start = static_cast<size_t>(first.start);
    const size_t length = IdentifierLength(code, start);
    if (length == 0) {
      add(line, first.start + 1, first.length, FindingSeverity::Error,
          "unknown command " + Quoted(textOf(first)));
      return;
    }
    if (isAssignment(start + length)) return;
    const std::string word = code.substr(start, length);
    const std::string command = LowerCase(word);
    const int column = first.start + 1;
    if (keywords_.first(KeywordSection::Commands) <= keywords_.last(KeywordSection::Commands) &&
        keywords_.SectionOf(command) != KeywordSection::Commands) {
      add(line, column, static_cast<int>(length), FindingSeverity::Error,
          "unknown command " + Quoted(word));
      return;
    }
    statement(command, column, static_cast<int>(length), 0);
  }

  // After the variable's name: an index in brackets, then "=".
  bool isAssignment(size_t at) const {
    const std::string& code = *line_;
    while (at < code.size() && IsBlank(code[at])) ++at;
    if (at < code.size() && code[at] == '[') {
      int depth = 0;
      for (; at < code.size(); ++at) {
        if (code[at] == '[') ++depth;
        if (code[at] == ']' && --depth == 0) break;
      }
      if (at == code.size()) return false;
      ++at;
      while (at < code.size() && IsBlank(code[at])) ++at;
    }
    return at < code.size() && code[at] == '=';
  }

  bool endsWithThen() const {
    const Token& last = tokens_.back();
    if (last.kind == TokenKind::String || last.kind == TokenKind::Label) return false;
    const std::string text = LowerCase(textOf(last));
    if (text.size() < 4 || text.compare(text.size() - 4, 4, "then") != 0) return false;
    return text.size() == 4 || !IsIdentifierChar(text[text.size() - 5]);
  }

  // The command that begins the line, or the one of a one-line "if" (token: its index).
  void statement(const std::string& command, int column, int length, size_t token) {
    const int line = lineNumber_;
    if (command == "if") {
      if (tokens_.size() > 1 && endsWithThen()) {
        blocks_.push_back({Block::If, line, column, length});
        return;
      }
      // The one-line form: the statement after the condition.
      for (size_t i = token + 1; i < tokens_.size(); ++i) {
        const std::string word = LowerCase(textOf(tokens_[i]));
        if (word == "goto" || word == "call" || word == "return") {
          statement(word, tokens_[i].start + 1, tokens_[i].length, i);
          return;
        }
      }
      return;
    }
    if (command == "elseif" || command == "else") {
      OpenBlock* open = reach(Block::If);
      if (!open) {
        add(line, column, length, FindingSeverity::Error, Quoted(command) + " without \"if\"");
        return;
      }
      if (open->afterElse)
        add(line, column, length, FindingSeverity::Error, Quoted(command) + " after \"else\"");
      if (command == "else") open->afterElse = true;
      if (command == "elseif" && !endsWithThen())
        add(line, column, length, FindingSeverity::Error,
            "\"elseif\" needs \"then\" at the end of the line");
      return;
    }
    for (int b = 0; b < 5; ++b) {
      const Block block = static_cast<Block>(b);
      if (command == WordsOf(block).opener) {
        blocks_.push_back({block, line, column, length});
        return;
      }
      if (command == WordsOf(block).closer) {
        if (reach(block))
          blocks_.pop_back();
        else
          add(line, column, length, FindingSeverity::Error,
              Quoted(command) + " without " + Quoted(WordsOf(block).opener));
        return;
      }
    }
    if (command == "goto" || command == "call") {
      const size_t next = token + 1;
      const size_t at = next < tokens_.size() ? static_cast<size_t>(tokens_[next].start) : 0;
      const size_t name = next < tokens_.size() ? IdentifierLength(*line_, at) : 0;
      if (name == 0) {
        add(line, column, length, FindingSeverity::Error, Quoted(command) + " needs a label");
        return;
      }
      const std::string written = line_->substr(at, name);
      uses_.push_back({LowerCase(written), written, command, line, static_cast<int>(at) + 1,
                       static_cast<int>(name)});
      return;
    }
    if (command == "return" && !labelSeen_) {
      add(line, column, length, FindingSeverity::Warning, "\"return\" outside any label");
      return;
    }
    if (command == "include") includes_ = true;
  }

  // Brings the innermost open block of the kind to the top of the stack: the blocks
  // opened inside it are unclosed. Null when no such block is open.
  OpenBlock* reach(Block block) {
    auto it = std::find_if(blocks_.rbegin(), blocks_.rend(),
                           [block](const OpenBlock& open) { return open.block == block; });
    if (it == blocks_.rend()) return nullptr;
    const size_t keep = blocks_.size() - static_cast<size_t>(it - blocks_.rbegin());
    while (blocks_.size() > keep) {
      unclosed(blocks_.back());
      blocks_.pop_back();
    }
    return &blocks_.back();
  }

  void unclosed(const OpenBlock& open) {
    add(open.line, open.column, open.length, FindingSeverity::Error,
        Quoted(WordsOf(open.block).opener) + " without " + Quoted(WordsOf(open.block).closer));
  }

  void label(const Token& token) {
    const std::string& code = *line_;
    const size_t at = static_cast<size_t>(token.start) + 1;
    const size_t length = IdentifierLength(code, at);
    labelSeen_ = true;
    if (length == 0) {
      add(lineNumber_, token.start + 1, 1, FindingSeverity::Error, "a label needs a name");
      return;
    }
    const std::string name = code.substr(at, length);
    const auto [defined, added] = labels_.emplace(LowerCase(name), lineNumber_);
    if (!added)
      add(lineNumber_, token.start + 1, static_cast<int>(length) + 1, FindingSeverity::Error,
          "label " + Quoted(name) + " is defined twice (first on line " +
              std::to_string(defined->second) + ")");
  }

  const KeywordStore& keywords_;
  TtlScanner scanner_;
  std::vector<Token> tokens_;
  const std::string* line_ = nullptr;
  int lineNumber_ = 0;
  std::vector<OpenBlock> blocks_;
  std::unordered_map<std::string, int> labels_;  // name -> line
  std::vector<LabelUse> uses_;
  bool labelSeen_ = false;
  bool includes_ = false;
  std::vector<MacroFinding> findings_;
};

}  // namespace

std::vector<MacroFinding> MacroChecker::Check(const std::string& text) const {
  return CheckRun(keywords_).check(text);
}

}  // namespace skelder
