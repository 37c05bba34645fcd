#pragma once
// The program's one TTL highlighter, TTM: the keyword store, the nine text attributes and
// whether highlighting is on. Each editor that shows TTL views it through a lexer of its
// own (TtlLexer), which follows every change at once.
#include <QColor>
#include <QFont>
#include <QObject>
#include <string>

#include "core/editor/HighlighterAttributes.h"
#include "core/editor/KeywordStore.h"

namespace skelder {

class TtlHighlighter : public QObject {
  Q_OBJECT
 public:
  explicit TtlHighlighter(QObject* parent = nullptr);

  const KeywordStore& keywords() const { return keywords_; }
  // Replaces the keyword store from the file; false, with an empty store, when the file
  // is missing, cannot be read or has fewer than five lines.
  bool LoadKeywords(const std::string& path);

  // Highlighting switched off draws all text in the editor's own colours.
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  const HighlighterAttributes& attributes() const { return attributes_; }
  void setAttributes(const HighlighterAttributes& attributes);
  const TextAttribute& attribute(AttributeIndex index) const { return attributes_[index]; }
  void setAttribute(AttributeIndex index, const TextAttribute& attribute);

  // What shows where an attribute has no colour of its own.
  QColor textColor() const { return textColor_; }
  QColor backgroundColor() const { return backgroundColor_; }
  void setEditorColors(const QColor& text, const QColor& background);
  // The editor font, which the attributes' styles modify.
  QFont font() const { return font_; }
  void setFont(const QFont& font);

  // The colours and font of one token kind.
  QColor foregroundOf(TokenKind kind) const;
  QColor backgroundOf(TokenKind kind) const;
  QFont fontOf(TokenKind kind) const;

  static const char* LanguageName() { return "TeraTerm Macro "; }
  static const char* DefaultFilter() { return "TeraTerm Macro files (*.ttl)|*.ttl"; }
  // A text that shows every kind of token.
  static const char* SampleSource();

 signals:
  // Colours, styles or the font changed.
  void stylesChanged();
  // The keywords or the switch changed: the text needs styling anew.
  void keywordsChanged();

 private:
  KeywordStore keywords_;
  bool enabled_ = true;
  HighlighterAttributes attributes_ = DefaultHighlighterAttributes();
  QColor textColor_;
  QColor backgroundColor_;
  QFont font_;
};

}  // namespace skelder
