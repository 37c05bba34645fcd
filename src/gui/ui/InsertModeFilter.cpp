#include "gui/ui/InsertModeFilter.h"

#include <Qsci/qsciscintilla.h>
#include <QKeyEvent>
#include <QLineEdit>

namespace skelder {

bool InsertModeFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* editor = qobject_cast<QsciScintilla*>(watched);
  if (editor && event->type() == QEvent::FocusIn) editor->setOverwriteMode(!insert_);
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
    insert_ = !insert_;
    if (editor) editor->setOverwriteMode(!insert_);
    if (toggled) toggled();
    return true;
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  const QString text = key->text();
  if (!insert_ && field && !field->hasSelectedText() && text.size() == 1 && text[0].isPrint() &&
      key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
    const int at = field->cursorPosition();
    if (at < field->text().size()) field->setSelection(at, 1);
  }
  return false;
}

}  // namespace skelder
