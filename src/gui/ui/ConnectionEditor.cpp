#include "gui/ui/ConnectionEditor.h"

#include <Qsci/qsciscintilla.h>

namespace skelder {

void SetUpConnectionEditor(QsciScintilla& editor, const char* name, bool lineNumbers) {
  editor.setObjectName(QLatin1String(name));
  QFont font(QStringLiteral("Courier New"), 9);
  font.setStyleHint(QFont::Monospace);
  editor.setFont(font);
  editor.setUtf8(false);
  editor.setEolMode(QsciScintilla::EolWindows);
  editor.setCaretLineVisible(false);
  editor.setCaretLineBackgroundColor(QColor(255, 255, 0));
  editor.setAutoIndent(true);
  if (lineNumbers) {
    editor.setMarginType(0, QsciScintilla::NumberMargin);
    editor.setMarginWidth(0, QStringLiteral("000"));
  } else {
    editor.setMarginWidth(0, 0);
  }
  editor.setMarginWidth(1, 0);
}

}  // namespace skelder
