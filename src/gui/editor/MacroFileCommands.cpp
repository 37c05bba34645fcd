#include "gui/editor/MacroFileCommands.h"

#include <Qsci/qsciscintilla.h>

#include "core/base/UserDialogs.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "core/text/Texts.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

constexpr const char* kMacroFilter = "TeraTerm Macro files (*.TTL)|*.TTL|All files (*.*)|*.*";

}  // namespace

MacroFileCommands::MacroFileCommands(QsciScintilla& editor, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), editor_(editor), dialogs_(dialogs) {}

void MacroFileCommands::ImportMacro() {
  if (settlePendingEdits && !settlePendingEdits()) return;
  const auto path = dialogs_.openFile({"Import macro from file", kMacroFilter, "ttl", ""});
  if (!path) return;
  std::string bytes;
  if (const std::error_code error = ReadFileBytes(*path, bytes)) {
    dialogs_.error(FileOpenErrorText(*path, error));  // the editor keeps its text
    return;
  }
  std::string text;
  for (const std::string& line : SplitLines(bytes)) text += line + "\r\n";
  editor_.setText(FromLocal(text));
  editor_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  editor_.markerDeleteAll();
  emit editorChanged();
}

void MacroFileCommands::ExportMacro() {
  const auto path = dialogs_.saveFile({"Export macro to file", kMacroFilter, "ttl", ""});
  if (path && exportTo) exportTo(*path);
}

}  // namespace skelder
