#include "gui/app/DocumentHost.h"

#include <QApplication>

namespace skelder {

void DocumentHost::setBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void DocumentHost::showProgress(int position, int total) {
  if (loadProgress) loadProgress(position, total);
  if (position % 2048 == 0) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void DocumentHost::letEventsRun() { QApplication::processEvents(); }

}  // namespace skelder
