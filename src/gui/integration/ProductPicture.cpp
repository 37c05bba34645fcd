#include "gui/integration/ProductPicture.h"

#include <QPainter>

namespace skelder {

QPixmap ProductPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  // A terminal screen behind, a tree of connections in front.
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(24, 32, 48));
  p.drawRoundedRect(QRectF(4, 6, 56, 44), 4, 4);
  p.setPen(QPen(QColor(120, 220, 120), 2));
  p.drawLine(QPointF(12, 16), QPointF(12, 40));
  for (double y : {16.0, 28.0, 40.0}) p.drawLine(QPointF(12, y), QPointF(24, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 220, 120));
  p.drawEllipse(QPointF(12, 16), 4, 4);
  for (double y : {16.0, 28.0, 40.0}) p.drawRect(QRectF(26, y - 3, 24, 6));
  p.setBrush(QColor(80, 80, 80));
  p.drawRect(QRectF(22, 50, 20, 6));
  p.drawRect(QRectF(14, 56, 36, 4));
  return picture;
}

}  // namespace skelder
