#pragma once
// The macro editor Memo1: the editor of a connection's TTL macro, coloured by the TTL
// highlighter TTM with its keyword file, with the completion proposal and the context help
// attached to it.
// How it is coloured, its options and search are attached by the window (EditorColoring,
// EditorOptions, TextSearch), each given the editor.
#include <Qsci/qsciscintilla.h>

#include "core/app/Settings.h"

namespace skelder {

class CompletionProposal;
class HelpViewer;
class TtlHighlighter;
class TtlLexer;
struct ProgramServices;

class MacroEditor : public QsciScintilla {
  Q_OBJECT
 public:
  // The highlighter is shared with the preview of the "Highlighter" page.
  MacroEditor(TtlHighlighter& ttm, const ProgramServices& services, QWidget* parent = nullptr);

  TtlHighlighter& highlighter() const { return *TTM; }
  // The lexer that colours this editor's text while it shows syntax colours.
  TtlLexer& lexer() const { return *lexer_; }
  CompletionProposal& completion() const { return *SCP; }
  HelpViewer& help() const { return *help_; }

  // The highlighter's attributes from the settings, and back.
  void ShowSettings(const Settings& settings);
  void ReadSettings(Settings& settings) const;
  // The last steps of the window's creation: the completion list and the keyword file of
  // the program folder are read.
  void Prepare();
  // Loads the keyword file of the program folder; when it is missing or fails, the
  // highlighting is switched off after a warning.
  void LoadKeywordFile();

 private:
  const ProgramServices& services_;
  TtlHighlighter* TTM;  // the window's
  TtlLexer* lexer_;
  CompletionProposal* SCP;
  HelpViewer* help_;
};

}  // namespace skelder
