#include "gui/ui/PageNote.h"

#include <QLabel>

namespace skelder {

QLabel* Note(const QString& text) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  return label;
}

}  // namespace skelder
