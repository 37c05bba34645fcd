#include "gui/editor/EditorText.h"

#include <Qsci/qsciscintilla.h>

#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

QString WithoutLineBreak(QString line) {
  while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return line;
}

}  // namespace

EditorText EditorText::Of(const QsciScintilla& editor) {
  EditorText result;
  int fromLine = 0, fromIndex = 0, toLine = 0, toIndex = 0, caretLine = 0, caretIndex = 0;
  editor.getCursorPosition(&caretLine, &caretIndex);
  if (editor.hasSelectedText()) {
    editor.getSelection(&fromLine, &fromIndex, &toLine, &toIndex);
  } else {
    fromLine = toLine = caretLine;
    fromIndex = toIndex = caretIndex;
  }
  result.caretInFirstColumn = caretIndex == 0;
  const int lines = editor.lines();
  for (int i = 0; i < lines; ++i) {
    const QString line = WithoutLineBreak(editor.text(i));
    if (i == fromLine)
      result.selectionStart = result.bytes.size() + ToLocal(line.left(fromIndex)).size();
    if (i == toLine) result.selectionEnd = result.bytes.size() + ToLocal(line.left(toIndex)).size();
    if (i == lines - 1 && line.isEmpty()) break;  // the empty place after the last break
    result.bytes += ToLocal(line) + "\r\n";
  }
  return result;
}

void EditorText::Replace(QsciScintilla& editor, const std::string& text, size_t caret) {
  editor.beginUndoAction();
  editor.selectAll();
  editor.replaceSelectedText(FromLocal(text));
  editor.endUndoAction();
  const auto position = FromLocal(text.substr(0, std::min(caret, text.size()))).size();
  editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(position));
}

}  // namespace skelder
