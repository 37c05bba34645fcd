#include "gui/editor/TtlLexer.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

#include "core/editor/TtlCharacters.h"
#include "gui/editor/TtlHighlighter.h"

namespace skelder {

namespace {

constexpr int kStyleCount = 11;  // the token kinds 0 to 10

TokenKind KindOf(int style) {
  return style >= 0 && style < kStyleCount ? static_cast<TokenKind>(style) : TokenKind::EndOfLine;
}

}  // namespace

TtlLexer::TtlLexer(TtlHighlighter& highlighter, QObject* parent)
    : QsciLexerCustom(parent), highlighter_(highlighter), scanner_(highlighter.keywords()) {
  applyStyles();
  connect(&highlighter_, &TtlHighlighter::stylesChanged, this, &TtlLexer::applyStyles);
  connect(&highlighter_, &TtlHighlighter::keywordsChanged, this, &TtlLexer::restyle);
}

const char* TtlLexer::language() const { return TtlHighlighter::LanguageName(); }

QString TtlLexer::description(int style) const {
  static const char* const names[kStyleCount] = {
      "Comment",         "Identifier",      "Command", "Label",
      "Skelder keyword", "End of line",     "Space",   "String",
      "Operation",       "System variable", "Other"};
  return style >= 0 && style < kStyleCount ? QLatin1String(names[style]) : QString();
}

const char* TtlLexer::wordCharacters() const { return kWordCharacters; }

QColor TtlLexer::defaultColor(int style) const { return highlighter_.foregroundOf(KindOf(style)); }
QColor TtlLexer::defaultPaper(int style) const { return highlighter_.backgroundOf(KindOf(style)); }
QFont TtlLexer::defaultFont(int style) const { return highlighter_.fontOf(KindOf(style)); }

// Every style is given its colours and font again, so that the editors repaint with them.
void TtlLexer::applyStyles() {
  setDefaultColor(highlighter_.textColor());
  setDefaultPaper(highlighter_.backgroundColor());
  setDefaultFont(highlighter_.font());
  for (int style = 0; style < kStyleCount; ++style) {
    setColor(defaultColor(style), style);
    setPaper(defaultPaper(style), style);
    setFont(defaultFont(style), style);
  }
}

void TtlLexer::restyle() {
  applyStyles();
  if (QsciScintilla* editor = this->editor()) {
    editor->SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    editor->recolor();
  }
}

// Whole lines are styled: a line's tokens never depend on the lines before it. The
// first line, where the edit is, resumes at a token start before the first byte that
// lost its style, so that typing in a long line does not scan it all again.
void TtlLexer::styleText(int start, int end) {
  QsciScintilla* editor = this->editor();
  if (!editor) return;
  using Base = QsciScintillaBase;
  const long length = editor->SendScintilla(Base::SCI_GETLENGTH);
  const long firstLine = editor->SendScintilla(Base::SCI_LINEFROMPOSITION, start);
  const long lastLine = editor->SendScintilla(Base::SCI_LINEFROMPOSITION, end);
  const long styledEnd = editor->SendScintilla(Base::SCI_GETENDSTYLED);
  long lineStart = editor->SendScintilla(Base::SCI_POSITIONFROMLINE, firstLine);
  for (long line = firstLine; line <= lastLine && lineStart < length; ++line) {
    long next = editor->SendScintilla(Base::SCI_POSITIONFROMLINE, line + 1);
    if (next < lineStart || next > length) next = length;
    const QByteArray bytes = editor->bytes(static_cast<int>(lineStart), static_cast<int>(next));
    const int length = static_cast<int>(next - lineStart);
    const std::string text(bytes.constData(),
                           static_cast<size_t>(std::min<qsizetype>(bytes.size(), length)));
    const bool first = line == firstLine;
    std::size_t from = 0;
    if (first && highlighter_.enabled())
      from = lineCache_.resumePoint(
          text, static_cast<std::size_t>(std::max(0L, styledEnd - lineStart)), scanner_.Reach());
    if (first) startStyling(static_cast<int>(lineStart + static_cast<long>(from)));
    int styled = static_cast<int>(from);
    const auto style = [&](int tokenLength, TokenKind kind) {
      setStyling(tokenLength, static_cast<int>(kind));
      styled += tokenLength;
    };
    if (!highlighter_.enabled()) {
      if (first) lineCache_.clear();
    } else if (first) {
      lineCache_.scan(scanner_, text, from, style);
    } else {
      for (scanner_.StartLine(text); !scanner_.AtEndOfLine(); scanner_.Next())
        style(scanner_.TokenLength(), scanner_.Kind());
    }
    // Without highlighting the editor's own colours; the styling always covers the line.
    if (styled < length) setStyling(length - styled, static_cast<int>(TokenKind::EndOfLine));
    lineStart = next;
  }
}

}  // namespace skelder
