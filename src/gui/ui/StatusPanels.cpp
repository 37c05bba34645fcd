#include "gui/ui/StatusPanels.h"

#include <Qsci/qsciscintilla.h>

namespace skelder {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("SBar"));
  setSizeGripEnabled(true);
  const int widths[] = {300, 100, 50, 34, 34, 34, 50, 50};
  for (size_t i = 0; i < panels_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("SBarPanel%1").arg(i + 1));
    label->setFixedWidth(widths[i]);
    label->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    if (i + 1 < panels_.size()) label->setFrameShape(QFrame::StyledPanel);
    addWidget(label);
    panels_[i] = label;
  }
}

void StatusPanels::setText(int number, const QString& text) {
  QLabel* label = panel(number);
  if (label->text() != text) label->setText(text);
}

void StatusPanels::showCaretPosition(const QsciScintilla* editor) {
  QString text;
  if (editor) {
    int line = 0, column = 0;
    editor->getCursorPosition(&line, &column);
    text = QStringLiteral("Ln. %1, Col. %2").arg(line + 1).arg(column + 1);
  }
  setText(2, text);
}

void StatusPanels::showPendingEdits(bool pending) {
  setText(3, pending ? QStringLiteral("Modified") : QString());
}

void StatusPanels::showInsertMode(bool typing, bool insert) {
  setText(4, !typing ? QString() : insert ? QStringLiteral("INS") : QStringLiteral("OVR"));
}

void StatusPanels::showLockKeys(bool num, bool caps, bool scroll) {
  setText(5, num ? QStringLiteral("NUM") : QString());
  setText(6, caps ? QStringLiteral("CAPS") : QString());
  setText(7, scroll ? QStringLiteral("SCROLL") : QString());
}

}  // namespace skelder
