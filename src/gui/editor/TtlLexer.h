#pragma once
// One editor's view of the TTL highlighter TTM: styles the editor's lines token by token,
// one style per token kind, and takes TTM's colours, styles and font as they change.
#include <Qsci/qscilexercustom.h>

#include "core/editor/TtlLineCache.h"
#include "core/editor/TtlScanner.h"

namespace skelder {

class TtlHighlighter;

class TtlLexer : public QsciLexerCustom {
  Q_OBJECT
 public:
  TtlLexer(TtlHighlighter& highlighter, QObject* parent);

  const char* language() const override;
  QString description(int style) const override;
  const char* wordCharacters() const override;
  void styleText(int start, int end) override;
  QColor defaultColor(int style) const override;
  QColor defaultPaper(int style) const override;
  QFont defaultFont(int style) const override;

  TtlHighlighter& highlighter() const { return highlighter_; }

 private:
  void applyStyles();
  void restyle();

  TtlHighlighter& highlighter_;
  TtlScanner scanner_;
  TtlLineCache lineCache_;  // the first line of the last styling, to resume in it
};

}  // namespace skelder
