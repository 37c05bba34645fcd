#include "gui/editor/MacroEditor.h"

#include <Qsci/qsciscintilla.h>

#include "core/base/ProgramFolder.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/SettingsPages.h"
#include "gui/editor/CompletionProposal.h"
#include "gui/editor/EditorOptions.h"
#include "gui/editor/HelpViewer.h"
#include "gui/editor/HighlighterPage.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/ConnectionPages.h"
#include "gui/properties/EditorColoring.h"
#include "gui/properties/PropertyPages.h"

namespace skelder {

MacroEditor::MacroEditor(MainWindow& window)
    : QObject(&window),
      window_(window),
      TTM(new TtlHighlighter(this)),
      macroLexer_(new TtlLexer(*TTM, this)),
      previewLexer_(new TtlLexer(*TTM, this)),
      highlighterPage_(new HighlighterPage(window, *TTM)),
      options_(new EditorOptions(window, *TTM)),
      SCP(new CompletionProposal(window.connectionPages().Memo1, window.dialogs())),
      help_(new HelpViewer(window, *TTM)) {
  // This build may come without the program's help file: its absence is told only when
  // help is asked for.
  help_->SelectHelpFileQuietly("Skelder.chm");
  window_.settingsPages().Memo3->setLexer(previewLexer_);
  window_.propertyPages().colorsPage().editorColoring().setHighlighter(macroLexer_);
}

void MacroEditor::ShowSettings(const Settings& settings) {
  TTM->setAttributes(settings.highlighter);
  highlighterPage_->ShowColors(settings);
  options_->ShowSettings(settings);
}

void MacroEditor::ReadSettings(Settings& settings) const {
  settings.highlighter = TTM->attributes();
  highlighterPage_->ReadColors(settings);
  options_->ReadSettings(settings);
}

void MacroEditor::Prepare() {
  highlighterPage_->Prepare();
  SCP->LoadList(ProgramFilePath(window_.programFolder(), "SynComp.pro"));
  LoadKeywordFile();
}

void MacroEditor::LoadKeywordFile() {
  const std::string path = ProgramFilePath(window_.programFolder(), "KeyFile.ini");
  if (TTM->LoadKeywords(path)) return;
  TTM->setEnabled(false);
  window_.dialogs().messageBox(
      MessageKind::Warning, MessageButtons::Ok,
      "The file 'KeyFile.ini' was not found in application directory.\r\n"
      "Syntax highlighting and context sensitive help functions will be disabled.");
}

}  // namespace skelder
