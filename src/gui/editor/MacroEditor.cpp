#include "gui/editor/MacroEditor.h"

#include <Qsci/qsciscintilla.h>

#include "core/base/ProgramFolder.h"
#include "gui/editor/CompletionProposal.h"
#include "gui/editor/EditorColoring.h"
#include "gui/editor/EditorOptions.h"
#include "gui/editor/HelpViewer.h"
#include "gui/editor/HighlighterPage.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

MacroEditor::MacroEditor(const MacroEditorParts& parts, QObject* parent)
    : QObject(parent),
      parts_(parts),
      TTM(new TtlHighlighter(this)),
      macroLexer_(new TtlLexer(*TTM, this)),
      previewLexer_(new TtlLexer(*TTM, this)),
      highlighterPage_(new HighlighterPage(parts.settings, parts.macro, parts.coloring, *TTM,
                                           parts.services.dialogs, this)),
      options_(new EditorOptions(
          {parts.macro, parts.popup, *parts.settings.Memo3, parts.menus, parts.settings}, *TTM,
          parts.services, this)),
      SCP(new CompletionProposal(&parts.macro, parts.services.dialogs)),
      help_(new HelpViewer(parts.macro, *TTM, parts.services, this)) {
  // This build may come without the program's help file: its absence is told only when
  // help is asked for.
  help_->SelectHelpFileQuietly("Skelder.chm");
  parts_.settings.Memo3->setLexer(previewLexer_);
  parts_.coloring.setHighlighter(macroLexer_);
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
  SCP->LoadList(ProgramFilePath(parts_.services.programFolder, "SynComp.pro"));
  LoadKeywordFile();
}

void MacroEditor::LoadKeywordFile() {
  const std::string path = ProgramFilePath(parts_.services.programFolder, "KeyFile.ini");
  if (TTM->LoadKeywords(path)) return;
  TTM->setEnabled(false);
  parts_.services.dialogs.messageBox(
      MessageKind::Warning, MessageButtons::Ok,
      "The file 'KeyFile.ini' was not found in application directory.\r\n"
      "Syntax highlighting and context sensitive help functions will be disabled.");
}

}  // namespace skelder
