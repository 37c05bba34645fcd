#pragma once
// Sets an editor's text without the change counting as the user's.
class QString;
class QsciScintilla;

namespace skelder {

void LoadEditorText(QsciScintilla& editor, const QString& text);

}  // namespace skelder
