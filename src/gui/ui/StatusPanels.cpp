#include "gui/ui/StatusPanels.h"

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

}  // namespace skelder
