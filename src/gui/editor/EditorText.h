#pragma once
// An editor's whole text as the program's bytes, every line ended by CR LF, with the
// selection counted in those bytes (a line break counts two), and the way back.
#include <string>

class QsciScintilla;

namespace skelder {

struct EditorText {
  std::string bytes;
  size_t selectionStart = 0;  // the caret when nothing is selected
  size_t selectionEnd = 0;
  bool caretInFirstColumn = false;

  static EditorText Of(const QsciScintilla& editor);
  // Replaces the editor's whole text as one step of its undo history and puts the caret
  // at the byte position.
  static void Replace(QsciScintilla& editor, const std::string& text, size_t caret);
};

}  // namespace skelder
