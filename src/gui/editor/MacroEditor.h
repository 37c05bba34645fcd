#pragma once
// The macro editor's features beyond plain editing, owned by the main window: the TTL
// highlighter TTM with its keyword file, attached to the macro editor Memo1 (while it
// shows syntax colours) and to the preview Memo3 of the "Highlighter" settings page; the
// "Highlighter" page; the editor options; the completion proposal and help.
#include <QObject>

#include "core/app/Settings.h"

class QMenuBar;
class QsciScintilla;

namespace skelder {

class CompletionProposal;
class EditorOptions;
class HelpViewer;
class EditorColoring;
class HighlighterPage;
class SettingsPages;
class TtlHighlighter;
class TtlLexer;
struct ProgramServices;

// The editors and controls the features are attached to.
struct MacroEditorParts {
  QsciScintilla& macro;     // Memo1
  QsciScintilla& popup;     // Memo2
  SettingsPages& settings;  // the "Macro Editor" and "Highlighter" pages, with Memo3
  QMenuBar& menus;
  EditorColoring& coloring;
  const ProgramServices& services;
};

class MacroEditor : public QObject {
  Q_OBJECT
 public:
  MacroEditor(const MacroEditorParts& parts, QObject* parent);

  TtlHighlighter& highlighter() const { return *TTM; }
  // The lexers of Memo1 and Memo3.
  TtlLexer& macroLexer() const { return *macroLexer_; }
  TtlLexer& previewLexer() const { return *previewLexer_; }

  // Puts the loaded settings into the editors and the highlighter.
  void ShowSettings(const Settings& settings);
  // Writes what the editors and the highlighter hold back into the record.
  void ReadSettings(Settings& settings) const;
  // The last steps of the window's creation: the macro editor takes the preview's
  // colours, the "Highlighter" page shows its first element, the completion list and the
  // keyword file are read.
  void Prepare();
  // Loads the keyword file of the program folder; when it is missing or fails, the
  // highlighting is switched off after a warning.
  void LoadKeywordFile();

  HighlighterPage& highlighterPage() const { return *highlighterPage_; }
  EditorOptions& options() const { return *options_; }
  CompletionProposal& completion() const { return *SCP; }
  HelpViewer& help() const { return *help_; }

 private:
  MacroEditorParts parts_;
  TtlHighlighter* TTM;
  TtlLexer* macroLexer_;
  TtlLexer* previewLexer_;
  HighlighterPage* highlighterPage_;
  EditorOptions* options_;
  CompletionProposal* SCP;
  HelpViewer* help_;
};

}  // namespace skelder
