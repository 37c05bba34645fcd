#include "gui/ui/HyperlinkLabel.h"

#include <QMouseEvent>

namespace skelder {

HyperlinkLabel::HyperlinkLabel(const QString& text, Underline underline, QWidget* parent)
    : QLabel(text, parent), underline_(underline) {
  setCursor(Qt::PointingHandCursor);
  setUnderlined(underline_ == Underline::Always);
}

void HyperlinkLabel::setUnderlined(bool on) {
  QFont f = font();
  f.setUnderline(on);
  setFont(f);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  if (underline_ == Underline::WhileHovered) setUnderlined(true);
  QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
  if (underline_ == Underline::WhileHovered) setUnderlined(false);
  QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace skelder
