#include "gui/tree/TreeImages.h"

#include <QPainter>
#include <QPixmap>

namespace skelder {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 18;

QPixmap Blank() {
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void DrawPage(QPainter& p, int x, int y, const QColor& ink, bool lines) {
  const QPolygon outline({QPoint(x, y), QPoint(x + 7, y), QPoint(x + 10, y + 3),
                          QPoint(x + 10, y + 13), QPoint(x, y + 13)});
  p.setPen(ink);
  p.setBrush(Qt::white);
  p.drawPolygon(outline);
  p.drawLine(x + 7, y, x + 7, y + 3);
  p.drawLine(x + 7, y + 3, x + 10, y + 3);
  if (lines)
    for (int row = y + 5; row <= y + 11; row += 2) p.drawLine(x + 2, row, x + 8, row);
}

QPixmap Monitor() {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(1, 2, 13, 10);
  p.setBrush(QColor(40, 90, 170));
  p.drawRect(3, 4, 9, 6);
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(6, 13, 3, 1);
  p.drawRect(3, 15, 9, 1);
  return pixmap;
}

QPixmap Page(bool lines, const QColor& ink) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  DrawPage(p, 3, 2, ink, lines);
  return pixmap;
}

QPixmap Separator(const QColor& ink) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setPen(QPen(ink, 2));
  p.drawLine(2, 9, 13, 9);
  return pixmap;
}

QPixmap Stack() {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  const QColor ink(60, 60, 60);
  DrawPage(p, 1, 1, ink, false);
  DrawPage(p, 3, 3, ink, false);
  DrawPage(p, 5, 4, ink, true);
  return pixmap;
}

}  // namespace

const std::vector<QIcon>& TreeImages() {
  static const std::vector<QIcon> images = [] {
    const QColor ink(50, 50, 50), grey(165, 165, 165);
    return std::vector<QIcon>{
        QIcon(Monitor()),        QIcon(Page(false, ink)), QIcon(Page(true, ink)),
        QIcon(Separator(ink)),   QIcon(Stack()),          QIcon(Page(false, grey)),
        QIcon(Page(true, grey)), QIcon(Separator(grey)),  QIcon(Blank())};
  }();
  return images;
}

}  // namespace skelder
