#include "gui/editor/MacroEditor.h"

#include "core/base/ProgramFolder.h"
#include "gui/editor/CompletionProposal.h"
#include "gui/editor/HelpViewer.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/ui/ConnectionEditor.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

MacroEditor::MacroEditor(TtlHighlighter& ttm, const ProgramServices& services, QWidget* parent)
    : QsciScintilla(parent),
      services_(services),
      TTM(&ttm),
      lexer_(new TtlLexer(*TTM, this)),
      SCP(new CompletionProposal(this, services.dialogs)),
      help_(new HelpViewer(*this, *TTM, services, this)) {
  SetUpConnectionEditor(*this, "Memo1", true);
  // This build may come without the program's help file: its absence is told only when
  // help is asked for.
  help_->SelectHelpFileQuietly("Skelder.chm");
}

void MacroEditor::ShowSettings(const Settings& settings) {
  TTM->setAttributes(settings.highlighter);
}

void MacroEditor::ReadSettings(Settings& settings) const {
  settings.highlighter = TTM->attributes();
}

void MacroEditor::Prepare() {
  SCP->LoadList(ProgramFilePath(services_.programFolder, "SynComp.pro"));
  LoadKeywordFile();
}

void MacroEditor::LoadKeywordFile() {
  const std::string path = ProgramFilePath(services_.programFolder, "KeyFile.ini");
  if (TTM->LoadKeywords(path)) return;
  TTM->setEnabled(false);
  services_.dialogs.messageBox(
      MessageKind::Warning, MessageButtons::Ok,
      "The file 'KeyFile.ini' was not found in application directory.\r\n"
      "Syntax highlighting and context sensitive help functions will be disabled.");
}

}  // namespace skelder
