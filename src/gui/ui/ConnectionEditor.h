#pragma once
// The look the two editors of a connection share (the macro editor Memo1, the popup
// editor Memo2): a fixed-pitch font, Windows line ends, no caret line until focused.
class QsciScintilla;

namespace skelder {

void SetUpConnectionEditor(QsciScintilla& editor, const char* name, bool lineNumbers);

}  // namespace skelder
