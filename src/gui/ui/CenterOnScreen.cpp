#include "gui/ui/CenterOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace skelder {

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  window->adjustSize();
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace skelder
