#include "gui/properties/LoadedText.h"

#include <Qsci/qsciscintilla.h>

namespace skelder {

void LoadEditorText(QsciScintilla& editor, const QString& text) {
  const bool blocked = editor.blockSignals(true);
  editor.setText(text);
  editor.blockSignals(blocked);
}

}  // namespace skelder
